#include "report/report_document.h"

#include "report/report_links.h"

#include <QColor>
#include <QFont>
#include <QTextCharFormat>

namespace {

const QColor Link_Colour(0, 0, 238);

// Inserts one line of a run; its web addresses become links.
void Insert_Line(QTextCursor& cursor, const QString& line, const QTextCharFormat& format)
{
    qsizetype done = 0;
    for (const TextSpan& span : Find_Web_Addresses(line)) {
        cursor.insertText(line.mid(done, span.start - done), format);
        const QString address = line.mid(span.start, span.length);
        QTextCharFormat link = format;
        link.setAnchor(true);
        link.setAnchorHref(address);
        link.setForeground(Link_Colour);
        link.setFontUnderline(true);
        cursor.insertText(address, link);
        done = span.start + span.length;
    }
    cursor.insertText(line.mid(done), format);
}

void Insert_Run(QTextCursor& cursor, const TextRun& run, qreal headingPointSize)
{
    QTextCharFormat format;
    format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    if (run.bold && headingPointSize > 0)
        format.setFontPointSize(headingPointSize);
    const QStringList lines = Split_Lines(run.text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        Insert_Line(cursor, lines.at(i), format);
    }
}

}  // namespace

void Insert_Report_Runs(QTextCursor& cursor, const QList<TextRun>& runs, qreal headingPointSize)
{
    for (const TextRun& run : runs)
        Insert_Run(cursor, run, headingPointSize);
}
