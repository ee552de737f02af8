#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>

// The words of a text as a search compares them: accents taken off, letter case folded,
// apostrophes dropped ("Cat's" reads "cats"), and everything that is not a letter or a digit
// (blanks, brackets, "&", emoji) taken as a break between words.
QStringList Folded_Words(QStringView text);
