#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// A colour as red, green and blue, each 0 to 255.
struct RgbColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const RgbColour&) const = default;
};

// A stretch of text written in one colour, bold or not.
struct TextRun {
    QString text;
    RgbColour colour;
    bool bold = false;

    bool operator==(const TextRun&) const = default;
};

// The lines of a text: CR LF, a lone CR and a lone LF each end one line. A text that ends with
// a break ends with an empty line, so n breaks always give n + 1 lines.
QStringList Split_Lines(const QString& text);
