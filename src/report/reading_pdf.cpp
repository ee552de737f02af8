#include "report/reading_pdf.h"

#include "report/report_document.h"
#include "shell/version.h"
#include "shell/widgets/picture_box.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

namespace {

// Pages are laid out in dots of 300 to the inch; pictures are rendered at that density.
constexpr int Dots_Per_Inch = 300;
constexpr qreal Margin_Mm = 18;
constexpr qreal Sign_Picture_Mm = 30;
constexpr qreal Stone_Picture_Mm = 22;
constexpr qreal Heading_Points = 13;
constexpr qreal Footer_Points = 7.5;

qreal Dots(qreal mm)
{
    return mm * Dots_Per_Inch / 25.4;
}

// Sizes in the document's formats and HTML count CSS pixels, 96 to the inch.
int Css_Pixels(qreal mm)
{
    return qRound(mm * 96 / 25.4);
}

QString Css_Colour(RgbColour colour)
{
    return QColor(colour.red, colour.green, colour.blue).name();
}

QString Coloured(const QString& text, RgbColour colour, const QString& style = {})
{
    return QStringLiteral("<span style=\"color:%1;%2\">%3</span>").arg(Css_Colour(colour), style, text.toHtmlEscaped());
}

// The pictures of the first page, each rendered for its own place at the size it is printed;
// returns the HTML that shows it.
class Pictures {
public:
    explicit Pictures(QTextDocument& document) : document(document) {}

    QString image(const QString& drawing, qreal mm)
    {
        const int side = qRound(Dots(mm));
        const QImage picture = Draw_Drawing(drawing, QSize(side, side), 1.0);
        if (picture.isNull())
            return {};
        const QString name = QStringLiteral("picture:%1").arg(++count);
        document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
        return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\">").arg(name).arg(Css_Pixels(mm));
    }

private:
    QTextDocument& document;
    int count = 0;
};

QString Facts_Html(const ReadingSummary& summary)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const SummaryFact& fact : summary.facts)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                    .arg(Coloured(fact.label + QStringLiteral(":"), Report_Colours::Green),
                         Coloured(fact.value, Report_Colours::Red));
    return html + QStringLiteral("</table>");
}

// One result in its column: heading, picture, value, and for a sign its lucky stone and picture.
QString Result_Html(const SummaryResult& result, Pictures& pictures)
{
    const QString large = QStringLiteral("font-weight:bold;font-size:%1pt").arg(Heading_Points);
    QString html = QStringLiteral("<p>%1</p>").arg(Coloured(result.heading, Report_Colours::Maroon, large));
    if (!result.picture.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(pictures.image(result.picture, Sign_Picture_Mm));
    html += QStringLiteral("<p>%1</p>").arg(Coloured(result.value, Report_Colours::Red, large));
    if (!result.luckyStone.isEmpty())
        html += QStringLiteral("<p>%1%2</p>").arg(Coloured(QStringLiteral("Lucky stone: "), Report_Colours::Green),
                                                   Coloured(result.luckyStone, Report_Colours::Red));
    if (!result.luckyStonePicture.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(pictures.image(result.luckyStonePicture, Stone_Picture_Mm));
    return html;
}

QString First_Page_Html(const ReportTexts& texts, const ReadingSummary& summary, Pictures& pictures)
{
    QString html = QStringLiteral("<p>%1</p>")
                       .arg(Coloured(Reading_Title(summary), Report_Colours::Maroon,
                                     QStringLiteral("font-weight:bold;font-size:18pt")));
    html += Facts_Html(summary);
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\" style=\"margin-top:16px\"><tr>");
    for (const SummaryResult& result : Summary_Results(texts, summary))
        html += QStringLiteral("<td width=\"33%\" align=\"center\" valign=\"top\">%1</td>").arg(Result_Html(result, pictures));
    html += QStringLiteral("</tr></table>");
    if (!texts.notes.isEmpty()) {
        html += QStringLiteral("<p style=\"margin-top:16px\">%1</p>")
                    .arg(Coloured(QStringLiteral("Notes On Your Reading"), Report_Colours::Maroon,
                                  QStringLiteral("font-weight:bold;font-size:%1pt").arg(Heading_Points)));
        for (const QString& note : texts.notes)
            html += QStringLiteral("<p>%1</p>").arg(Coloured(note, Report_Colours::Red));
    }
    return html;
}

// The whole reading laid out on pages of the writer's size, inside the margins.
void Lay_Out(QTextDocument& document, QPdfWriter& writer, const ReportTexts& texts, const ReadingSummary& summary,
             const QFont& font)
{
    document.documentLayout()->setPaintDevice(&writer);
    // A hair of letter spacing keeps the type from joining letters into ligatures ("ﬁ"), so the
    // text is copied and searched as it was written.
    QFont unjoined = font;
    unjoined.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);  // the least step the layout counts
    document.setDefaultFont(unjoined);
    document.setPageSize(QSizeF(writer.width(), writer.height()));
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setMargin(Css_Pixels(Margin_Mm));
    document.rootFrame()->setFrameFormat(frame);

    Pictures pictures(document);
    QTextCursor cursor(&document);
    cursor.insertHtml(First_Page_Html(texts, summary, pictures));
    QTextBlockFormat lastOnPage;
    lastOnPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    cursor.mergeBlockFormat(lastOnPage);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    Insert_Report_Runs(cursor, Build_Report_Runs(texts), Heading_Points);
}

// The program's name and version at the left of the foot, the page number at its right.
void Draw_Footer(QPainter& painter, const QFont& font, const QSizeF& page, int number, int pages)
{
    QFont small = font;
    small.setPointSizeF(Footer_Points);
    painter.setFont(small);
    painter.setPen(QColor(96, 96, 96));
    const QRectF foot(Dots(Margin_Mm), page.height() - Dots(Margin_Mm) + Dots(5), page.width() - 2 * Dots(Margin_Mm), Dots(6));
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, Program_Title_And_Version);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Page %1 of %2").arg(number).arg(pages));
}

}  // namespace

QPageSize::PageSizeId Paper_Of(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QByteArray Reading_Pdf(const ReportTexts& texts, const ReadingSummary& summary, const QFont& font,
                       QPageSize::PageSizeId paper)
{
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(Dots_Per_Inch);
    writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(Reading_Title(summary));
    writer.setCreator(Program_Title_And_Version);

    QTextDocument document;
    Lay_Out(document, writer, texts, summary, font);

    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    const QSizeF page = document.pageSize();
    const int pages = document.pageCount();
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int number = 1; number <= pages; ++number) {
        if (number > 1)
            writer.newPage();
        const QRectF view(QPointF(0, (number - 1) * page.height()), page);
        painter.save();
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        context.clip = view;
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        Draw_Footer(painter, font, page, number, pages);
    }
    if (!painter.end())
        return {};
    return content;
}
