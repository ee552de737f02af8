#pragma once
#include <QString>

// Whether the name field takes a typed character: a letter of any script with its marks, a
// blank, a hyphen or an apostrophe ("Zoë", "Anne-Marie", "O'Brien").
bool Name_Character_Allowed(char32_t character);

// Whether every character of the text is one the name field takes.
bool Name_Characters_Allowed(const QString& text);
