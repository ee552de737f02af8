#include "report/rtf_writer.h"

#include <cmath>

namespace {

// The colours of the runs, each once, in the order of first use; a run's colour is written
// as its place in this table counted from 1 (entry 0 is the reader's default colour).
QList<RgbColour> Colour_Table(const QList<TextRun>& runs)
{
    QList<RgbColour> colours;
    for (const TextRun& run : runs) {
        if (!colours.contains(run.colour))
            colours.append(run.colour);
    }
    return colours;
}

bool Is_Dropped(char16_t unit)
{
    return unit < 0x20 || (unit >= 0x7f && unit <= 0x9f);
}

bool Is_Outside_Ascii(char16_t unit)
{
    return unit >= 0x80 && !Is_Dropped(unit);
}

void Append_Unicode(QByteArray& out, char16_t unit)
{
    out += "\\u" + QByteArray::number(static_cast<int16_t>(unit)) + '?';
}

// Appends a stretch of characters outside ASCII, starting at `from`, and returns where it ends.
// The stretch stands in a group of its own: some readers take the text that follows a "?"
// fallback for part of it, and the group's end keeps them from eating real text.
qsizetype Append_Outside_Ascii(QByteArray& out, const QString& line, qsizetype from)
{
    out += '{';
    qsizetype i = from;
    for (; i < line.size() && Is_Outside_Ascii(line.at(i).unicode()); ++i) {
        const char16_t unit = line.at(i).unicode();
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
                Append_Unicode(out, unit);
                Append_Unicode(out, line.at(++i).unicode());
            }
        } else if (!QChar::isLowSurrogate(unit)) {
            Append_Unicode(out, unit);
        }
    }
    out += '}';
    return i;
}

// Appends one line of text, with the characters RTF gives a meaning escaped.
void Append_Line(QByteArray& out, const QString& line)
{
    qsizetype i = 0;
    while (i < line.size()) {
        const char16_t unit = line.at(i).unicode();
        if (Is_Outside_Ascii(unit)) {
            i = Append_Outside_Ascii(out, line, i);
            continue;
        }
        if (unit == u'\t') {
            out += "\\tab ";
        } else if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (!Is_Dropped(unit)) {
            out += static_cast<char>(unit);
        }
        ++i;
    }
}

void Append_Text(QByteArray& out, const QString& text)
{
    const QStringList lines = Split_Lines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += "\\par\r\n";
        Append_Line(out, lines.at(i));
    }
}

QByteArray Rtf_Header(const QList<RgbColour>& colours, const RtfFont& font)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    out += "{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    Append_Line(out, font.name);
    out += ";}}\r\n{\\colortbl ;";
    for (const RgbColour& colour : colours) {
        out += "\\red" + QByteArray::number(colour.red) + "\\green" + QByteArray::number(colour.green)
             + "\\blue" + QByteArray::number(colour.blue) + ';';
    }
    const long halfPoints = std::lround(font.pointSize * 2);
    out += "}\r\n\\pard\\plain\\f0\\fs" + QByteArray::number(static_cast<qlonglong>(halfPoints)) + "\r\n";
    return out;
}

}  // namespace

QByteArray Write_Rtf(const QList<TextRun>& runs, const RtfFont& font)
{
    const QList<RgbColour> colours = Colour_Table(runs);
    QByteArray out = Rtf_Header(colours, font);
    for (const TextRun& run : runs) {
        out += "\\cf" + QByteArray::number(colours.indexOf(run.colour) + 1);
        out += run.bold ? "\\b " : "\\b0 ";
        Append_Text(out, run.text);
    }
    // A line end straight after an escaped backslash confuses some readers, so none comes
    // before the closing brace.
    out += "}\r\n";
    return out;
}
