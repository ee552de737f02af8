#include "text/search_folding.h"

#include <QtTest>

class TestSearchFolding : public QObject {
    Q_OBJECT

private slots:
    void bothRulesFoldAlike_data();
    void bothRulesFoldAlike();
    void folderFoldsAsTheRule_data();
    void folderFoldsAsTheRule();
    void folderFoldsEveryCharacterAsTheRule();
};

// What each apostrophe rule gives for the same text: the rules differ only in apostrophes.
void TestSearchFolding::bothRulesFoldAlike_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("broken");
    QTest::newRow("apostrophes") << "Cat’s d'Oléron" << "cats doleron" << "cat s d oleron";
    QTest::newRow("plain letters in words") << "Straße Ærø" << "strasse aero" << "strasse aero";
    QTest::newRow("letter beyond the first plane") << "a\U00020000b 😀c" << "a\U00020000b c" << "a\U00020000b c";
    QTest::newRow("lone surrogate") << QString("ab") + QChar(0xD800) + QString("cd") << "ab cd" << "ab cd";
    QTest::newRow("ASCII alone, apostrophes and marks") << "Cat's O'Brien-Hall & Co.\tZ@[a`z{9" << "cats obrien hall co z a z 9"
                                                       << "cat s o brien hall co z a z 9";
    QTest::newRow("digits and blanks") << "  Pressure(LOW 12 " << "pressure low 12" << "pressure low 12";
}

void TestSearchFolding::bothRulesFoldAlike()
{
    QFETCH(QString, text);
    QFETCH(QString, dropped);
    QFETCH(QString, broken);
    QCOMPARE(QString::fromStdU16String(Fold_Search_Text(text, Apostrophes::Dropped)), dropped);
    QCOMPARE(QString::fromStdU16String(Fold_Search_Text(text, Apostrophes::Break)), broken);
    QCOMPARE(Fold_Search_Words(text, Apostrophes::Dropped), dropped.split(u' ', Qt::SkipEmptyParts));
}

// The folder that keeps each character's folding gives what the rule gives, text after text.
void TestSearchFolding::folderFoldsAsTheRule_data()
{
    QTest::addColumn<QStringList>("texts");  // folded one after the other by the same folder
    QTest::newRow("accents, case and plain letters") << QStringList{"São Paulo", "ZÜRICH", "Łódź Straße Ærø", "Þórshöfn"};
    QTest::newRow("apostrophes") << QStringList{"Cat’s d'Oléron", "ʼAin", "'s-Hertogenbosch", "l’Aquila'"};
    QTest::newRow("decomposing to more than letters") << QStringList{"a½b", "x⑴y", "ﬁn ﬂ", "㍿", "ǅemal"};
    QTest::newRow("scripts with case and without")
        << QStringList{"КИЇВ Київ", "ΑΘΉΝΑ Ὀδυσσεύς", "北京市", "서울특별시", "ソウル", "تهران", "मुंबई"};
    QTest::newRow("marks, surrogates and blanks at either end")
        << QStringList{"  -Saint-Denis (Île)- ", "a\U00020000b 😀c", QString("ab") + QChar(0xD800) + QString("cd"),
                       QString(QChar(0xDC00)) + "x", "e\u0301\u0323x", "", "😀 ★ ✈️"};
}

void TestSearchFolding::folderFoldsAsTheRule()
{
    QFETCH(QStringList, texts);
    for (const Apostrophes rule : {Apostrophes::Dropped, Apostrophes::Break}) {
        SearchFolder folder(rule);
        std::u16string folded, expected;
        for (const QString& text : texts) {
            folder.fold(text, folded);
            expected += Fold_Search_Text(text, rule);
            QCOMPARE(QString::fromStdU16String(folded), QString::fromStdU16String(expected));
        }
    }
}

// Each character of the first plane, between letters and alone, folds as the rule folds it.
void TestSearchFolding::folderFoldsEveryCharacterAsTheRule()
{
    for (const Apostrophes rule : {Apostrophes::Dropped, Apostrophes::Break}) {
        SearchFolder folder(rule);
        for (char32_t c = 0x80; c <= 0xFFFF; ++c) {
            const QChar character(static_cast<char16_t>(c));
            for (const QString& text : {QString(character), "a" + QString(character) + "b"}) {
                std::u16string folded;
                folder.fold(text, folded);
                if (folded != Fold_Search_Text(text, rule))
                    QFAIL(qPrintable(QStringLiteral("U+%1: %2 instead of %3")
                                         .arg(quint32(c), 4, 16, QChar(u'0'))
                                         .arg(QString::fromStdU16String(folded),
                                              QString::fromStdU16String(Fold_Search_Text(text, rule)))));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestSearchFolding)
#include "test_search_folding.moc"
