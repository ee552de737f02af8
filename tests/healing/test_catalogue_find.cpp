#include "healing/catalogue_find.h"

#include <QtTest>

namespace {

// The results as the list reads them, each under its group's heading.
QStringList Shown_Lines(const std::vector<FoundItem>& found)
{
    QStringList lines;
    for (const FoundItem& item : found)
        lines.append(Found_Group_Title(item.group) + ": " + Found_Item_Text(item));
    return lines;
}

const QStringList Heart{"Physical diseases: Mind And Heart Control (1 stone)", "Organs and body parts: Heart (9 stones)"};

}  // namespace

class TestCatalogueFind : public QObject {
    Q_OBJECT

private slots:
    void findsWordBeginnings_data();
    void findsWordBeginnings();
};

void TestCatalogueFind::findsWordBeginnings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("insomnia, in three entries")
        << "insomnia"
        << QStringList{"Mental illnesses and qualities: Cures Insomnia (1 stone)",
                       "Mental illnesses and qualities: Insomnia (2 stones)",
                       "Mental illnesses and qualities: Removes Insomnia (1 stone)"};
    QTest::newRow("depress, physical before mental")
        << "depress"
        << QStringList{"Physical diseases: Depression (1 stone)",
                       "Mental illnesses and qualities: Depression (3 stones)",
                       "Mental illnesses and qualities: Lifts Depression (1 stone)",
                       "Mental illnesses and qualities: Removes Depression (2 stones)"};
    QTest::newRow("heart") << "heart" << Heart;
    QTest::newRow("jasper, both stones") << "jasper" << QStringList{"Crystals: Red Jasper", "Crystals: Jasper"};
    QTest::newRow("two words") << "red jas" << QStringList{"Crystals: Red Jasper"};
    QTest::newRow("accents and capitals") << "HÉÄRT" << Heart;
    QTest::newRow("apostrophe left out") << "cats" << QStringList{"Crystals: Cat's Eye"};
    QTest::newRow("after a bracket")
        << "pressure(low" << QStringList{"Physical diseases: Blood Pressure(low Or High) (1 stone)"};
    QTest::newRow("inside a word finds nothing") << "eart" << QStringList{};
    QTest::newRow("no such word") << "ZÜRICH" << QStringList{};
    QTest::newRow("blanks only") << "   " << QStringList{};
    QTest::newRow("emoji only") << "\U0001F48E" << QStringList{};
    QTest::newRow("emoji beside a word") << "\U0001F48Eheart" << Heart;
    QTest::newRow("1000 letters") << QString(1000, u'a') << QStringList{};
    QTest::newRow("a word typed 170 times") << QString("heart ").repeated(170) << Heart;
}

void TestCatalogueFind::findsWordBeginnings()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);

    QCOMPARE(Shown_Lines(Find_In_Catalogue(typed)), found);
}

QTEST_GUILESS_MAIN(TestCatalogueFind)
#include "test_catalogue_find.moc"
