#pragma once
#include "people/csv_table.h"
#include "people/person.h"

#include <variant>
#include <vector>

// The header of the book's CSV files, one column per field of a person.
QStringList People_Csv_Header();

// The whole book as a CSV file: the header, then a record per person, every cell made safe
// from spreadsheet formulas.
QByteArray People_Csv(const std::vector<Person>& people);

// The columns of a file's header that a person needs and it lacks.
QStringList Missing_Csv_Columns(const QStringList& header);

// A person from one record of a file with that header (all columns present, in any order), or
// why the record cannot be one: a cell outside its range, or the entry window's own message.
std::variant<Person, QString> Person_From_Csv(const QStringList& header, const QStringList& cells);
