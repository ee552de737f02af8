#include "text/search_folding.h"

#include <QtTest>

class TestSearchFolding : public QObject {
    Q_OBJECT

private slots:
    void bothRulesFoldAlike_data();
    void bothRulesFoldAlike();
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

QTEST_GUILESS_MAIN(TestSearchFolding)
#include "test_search_folding.moc"
