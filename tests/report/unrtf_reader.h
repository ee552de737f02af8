#pragma once
#include "report/text_run.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTextDocumentFragment>
#include <optional>

// Reads rich-text files with Debian's unrtf, a reader that shares no code with ours.
namespace Unrtf {

// The unrtf program, or an empty text when it is not installed.
inline QString program()
{
    return QStandardPaths::findExecutable(QStringLiteral("unrtf"));
}

// unrtf's output for a file in one of its modes ("--html", "--text"); nothing when it fails.
inline std::optional<QString> convert(const QString& file, const QString& mode)
{
    QProcess unrtf;
    unrtf.start(program(), {QStringLiteral("--nopict"), mode, file});
    if (!unrtf.waitForFinished(-1) || unrtf.exitStatus() != QProcess::NormalExit || unrtf.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(unrtf.readAllStandardOutput());
}

namespace Detail {

inline QString entity(const QString& name)
{
    if (name.startsWith(u'#')) {
        const uint code = name.mid(1).toUInt();
        return code > 0xffff ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1)
                             : QString(QChar(static_cast<char16_t>(code)));
    }
    return QTextDocumentFragment::fromHtml(u'&' + name + u';').toPlainText();
}

inline std::optional<RgbColour> fontColour(const QString& tag)
{
    const qsizetype at = tag.indexOf(QStringLiteral("color=\"#"));
    if (at < 0)
        return std::nullopt;
    const QString hex = tag.mid(at + 8, 6);
    return RgbColour{hex.mid(0, 2).toInt(nullptr, 16), hex.mid(2, 2).toInt(nullptr, 16),
                     hex.mid(4, 2).toInt(nullptr, 16)};
}

}  // namespace Detail

// The coloured runs of unrtf's HTML: the colour of the innermost coloured <font>, bold inside
// <b>, "\n" for each <br>. Line ends of the HTML source are layout, not text.
inline QList<TextRun> htmlRuns(const QString& html)
{
    QList<TextRun> runs;
    QList<std::optional<RgbColour>> fonts;
    int boldDepth = 0;
    auto append = [&](const QString& text) {
        if (text.isEmpty())
            return;
        RgbColour colour;
        for (const auto& font : fonts) {
            if (font)
                colour = *font;
        }
        const bool bold = boldDepth > 0;
        if (runs.isEmpty() || runs.constLast().colour != colour || runs.constLast().bold != bold)
            runs.append({QString(), colour, bold});
        runs.last().text += text;
    };
    qsizetype at = html.indexOf(QStringLiteral("<body>"));
    at = at < 0 ? html.size() : at + 6;
    while (at < html.size()) {
        const QChar c = html.at(at);
        if (c == u'<') {
            const qsizetype end = html.indexOf(u'>', at);
            const QString tag = html.mid(at + 1, end - at - 1);
            const QString name = tag.section(u' ', 0, 0).toLower();
            if (name == u"font")
                fonts.append(Detail::fontColour(tag));
            else if (name == u"/font" && !fonts.isEmpty())
                fonts.removeLast();
            else if (name == u"b")
                ++boldDepth;
            else if (name == u"/b")
                --boldDepth;
            else if (name == u"br")
                append(QStringLiteral("\n"));
            else if (name == u"/body")
                break;
            at = end + 1;
        } else if (c == u'&') {
            const qsizetype end = html.indexOf(u';', at);
            append(Detail::entity(html.mid(at + 1, end - at - 1)));
            at = end + 1;
        } else {
            if (c != u'\n' && c != u'\r')
                append(QString(c));
            ++at;
        }
    }
    return runs;
}

}  // namespace Unrtf
