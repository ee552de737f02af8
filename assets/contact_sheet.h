#pragma once
#include <QImage>
#include <QString>

// A contact sheet of the picture set: every picture catalogue of the program, in order, as a
// labelled grid (catalogue name; position, key and picture at 120 px for each entry), so the
// whole set can be looked over at once, on a light or a dark window background.
enum class SheetTheme { Light, Dark };

QImage Render_Contact_Sheet(SheetTheme theme);

// Renders the sheet and writes it as a PNG file; false when it cannot be written.
bool Write_Contact_Sheet(const QString& path, SheetTheme theme);
