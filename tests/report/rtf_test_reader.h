#pragma once
#include "report/text_run.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reads back the rich-text subset that the report is written in, independently of the writer:
// groups, the font and colour tables, \cf, \b, \plain, \par and \line (read as "\n"), \tab,
// \uN with its \uc fallback characters, \'hh and the escaped \ { }. Other destinations are
// skipped and unknown control words ignored. Neighbouring text of one colour and weight is
// one run.
namespace Rtf_Test_Reader {

struct Document {
    bool wellFormed = false;  // one balanced group opening with \rtf1, all bytes 7-bit
    QString error;
    QString fontName;
    int fontHalfPoints = 0;
    QList<RgbColour> colours;  // the colour table; entry 0 (the default colour) reads as black
    QList<TextRun> runs;
};

namespace Detail {

enum class Destination { Text, Skipped, FontTable, ColourTable };

struct GroupState {
    int colour = 0;
    bool bold = false;
    int fallbackLength = 1;
    Destination destination = Destination::Text;
};

class Reader {
public:
    explicit Reader(const QByteArray& rtf) : rtf(rtf) {}

    Document read()
    {
        if (!rtf.startsWith("{\\rtf1"))
            return fail(QStringLiteral("does not open with {\\rtf1"));
        while (at < rtf.size()) {
            const char c = rtf.at(at++);
            if (static_cast<unsigned char>(c) >= 0x80)
                return fail(QStringLiteral("byte outside 7-bit ASCII at %1").arg(at - 1));
            if (c == '{') {
                groups.append(groups.isEmpty() ? GroupState{} : groups.constLast());
            } else if (c == '}') {
                if (groups.isEmpty())
                    return fail(QStringLiteral("unbalanced } at %1").arg(at - 1));
                groups.removeLast();
                if (groups.isEmpty())
                    break;
            } else if (c == '\\') {
                controlSequence();
            } else if (c != '\r' && c != '\n') {
                character(QChar::fromLatin1(c));
            }
        }
        if (!groups.isEmpty())
            return fail(QStringLiteral("unclosed group"));
        for (qsizetype i = at; i < rtf.size(); ++i) {
            if (!QChar::isSpace(static_cast<uchar>(rtf.at(i))))
                return fail(QStringLiteral("text after the closing }"));
        }
        document.wellFormed = true;
        return document;
    }

private:
    Document fail(const QString& error)
    {
        document.wellFormed = false;
        document.error = error;
        return document;
    }

    GroupState& state() { return groups.last(); }

    void controlSequence()
    {
        if (at >= rtf.size())
            return;
        const char c = rtf.at(at);
        if (QChar::isLetter(static_cast<uchar>(c))) {
            controlWord();
        } else if (c == '\'') {
            const bool ok = at + 2 < rtf.size();
            character(QChar(ok ? rtf.mid(at + 1, 2).toUShort(nullptr, 16) : 0));
            at += 3;
        } else {
            ++at;
            if (c == '\\' || c == '{' || c == '}')
                character(QChar::fromLatin1(c));
            else if (c == '~')
                character(QChar(0xa0));
            else if (c == '*')
                state().destination = Destination::Skipped;
            else if (c == '\r' || c == '\n')
                character(QChar(u'\n'));
        }
    }

    void controlWord()
    {
        QByteArray word;
        while (at < rtf.size() && QChar::isLetter(static_cast<uchar>(rtf.at(at))))
            word += rtf.at(at++);
        QByteArray digits;
        if (at < rtf.size() && rtf.at(at) == '-')
            digits += rtf.at(at++);
        while (at < rtf.size() && QChar::isDigit(static_cast<uchar>(rtf.at(at))))
            digits += rtf.at(at++);
        const bool hasParameter = !digits.isEmpty() && digits != "-";
        const int parameter = hasParameter ? digits.toInt() : 0;
        if (at < rtf.size() && rtf.at(at) == ' ')
            ++at;
        apply(word, hasParameter, parameter);
    }

    void apply(const QByteArray& word, bool hasParameter, int parameter)
    {
        GroupState& current = state();
        if (word == "fonttbl") {
            current.destination = Destination::FontTable;
        } else if (word == "colortbl") {
            current.destination = Destination::ColourTable;
        } else if (word == "stylesheet" || word == "info" || word == "pict") {
            current.destination = Destination::Skipped;
        } else if (word == "red") {
            pendingColour.red = parameter;
        } else if (word == "green") {
            pendingColour.green = parameter;
        } else if (word == "blue") {
            pendingColour.blue = parameter;
        } else if (word == "fs") {
            document.fontHalfPoints = parameter;
        } else if (word == "cf") {
            current.colour = parameter;
        } else if (word == "b") {
            current.bold = !hasParameter || parameter != 0;
        } else if (word == "plain") {
            current.bold = false;
            current.colour = 0;
        } else if (word == "uc") {
            current.fallbackLength = parameter;
        } else if (word == "par" || word == "line") {
            character(QChar(u'\n'));
        } else if (word == "tab") {
            character(QChar(u'\t'));
        } else if (word == "u") {
            text(QChar(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter)));
            fallbackToSkip = current.fallbackLength;
        }
    }

    // A character from the document body, unless it is a \u fallback being skipped.
    void character(QChar c)
    {
        if (fallbackToSkip > 0) {
            --fallbackToSkip;
            return;
        }
        text(c);
    }

    void text(QChar c)
    {
        switch (state().destination) {
        case Destination::Skipped:
            return;
        case Destination::FontTable:
            if (c != u';')
                document.fontName += c;
            return;
        case Destination::ColourTable:
            if (c == u';') {
                document.colours.append(pendingColour);
                pendingColour = {};
            }
            return;
        case Destination::Text:
            break;
        }
        const int index = state().colour;
        const RgbColour colour = index >= 0 && index < document.colours.size()
                                     ? document.colours.at(index)
                                     : RgbColour{};
        const bool bold = state().bold;
        if (document.runs.isEmpty() || document.runs.constLast().colour != colour
            || document.runs.constLast().bold != bold)
            document.runs.append({QString(), colour, bold});
        document.runs.last().text += c;
    }

    const QByteArray& rtf;
    qsizetype at = 0;
    QList<GroupState> groups;
    Document document;
    RgbColour pendingColour;
    int fallbackToSkip = 0;
};

}  // namespace Detail

inline Document read(const QByteArray& rtf)
{
    return Detail::Reader(rtf).read();
}

}  // namespace Rtf_Test_Reader
