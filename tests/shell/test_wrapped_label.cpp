#include "shell/widgets/wrapped_label.h"

#include <QtTest>

namespace {
const QString Paragraph = QStringLiteral(
    "Crystals are a unique part of human life. Formed slowly deep inside the earth, each stone is "
    "believed to carry its own steady vibration, and healers of many traditions have used them to "
    "bring body and mind back into balance.");
const QString Sentence = QStringLiteral("Formed slowly deep inside the earth.");
}  // namespace

// The remembered heights are the heights QLabel works out, and never outlive what they were
// measured for.
class TestWrappedLabel : public QObject {
    Q_OBJECT

private:
    WrappedLabel label{Paragraph};

    // Asks twice for some widths, so remembered heights are checked too.
    void checkHeights()
    {
        for (int width : {120, 300, 120, 600, 300})
            QCOMPARE(label.heightForWidth(width), label.QLabel::heightForWidth(width));
    }

private slots:
    void init()
    {
        label.setText(Paragraph);
        label.setWordWrap(true);
        label.setFont(QFont());
        label.setIndent(-1);
        label.setMargin(0);
        label.setContentsMargins(0, 0, 0, 0);
        label.setStyleSheet(QString());
        label.ensurePolished();
        checkHeights();
    }

    void heightsAreThoseOfQLabel()
    {
        QVERIFY(label.heightForWidth(120) > label.heightForWidth(600));
        for (int pass = 0; pass < 2; ++pass)
            for (int width = 40; width <= 800; width += 37)  // more widths than are remembered
                QCOMPARE(label.heightForWidth(width), label.QLabel::heightForWidth(width));
    }

    void newTextIsMeasuredAgain()
    {
        label.setText(Sentence);
        checkHeights();
    }

    void aNewFontIsMeasuredAgain()
    {
        QFont larger = label.font();
        larger.setPointSize(larger.pointSize() * 2);
        label.setFont(larger);
        checkHeights();
    }

    void newIndentOrMarginsAreMeasuredAgain()
    {
        label.setIndent(40);
        checkHeights();
        label.setMargin(12);
        checkHeights();
        label.setContentsMargins(10, 20, 10, 20);
        checkHeights();
    }

    void aStyleSheetWithPaddingIsMeasuredAgain()
    {
        label.setStyleSheet(QStringLiteral("QLabel { padding: 30px; border: 4px solid red; }"));
        label.ensurePolished();
        checkHeights();
    }
};

QTEST_MAIN(TestWrappedLabel)
#include "test_wrapped_label.moc"
