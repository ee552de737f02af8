#pragma once
#include "people/people_book.h"

class QWidget;

// The program's book of people, opened the first time a window needs it. A fault is told
// through Prompts: a write-protected or newer book opens for reading; a damaged one is moved
// aside under a dated name and the user is offered a new, empty book. Null when there is none.
PeopleBook* Open_People_Book(QWidget* parent);

// Tells the user why a change of the book was refused; false for a fault, true for none.
bool Book_Change_Done(QWidget* parent, BookFault fault);

// Saves a person into the book after the entry window's checks passed; true once it is on disk.
bool Save_Person(QWidget* parent, Person& person);
