#include "healing/healing_catalogue.h"
#include "shell/table_text.h"

#include <QtTest>

Q_DECLARE_METATYPE(EntryKind)

namespace {

QStringList Texts_Of(std::span<const std::string_view> views)
{
    QStringList list;
    for (std::string_view view : views)
        list.append(To_QString(view));
    return list;
}

std::string Utf8_Of(const QString& value)
{
    return value.toStdString();
}

}  // namespace

class TestHealingCatalogue : public QObject {
    Q_OBJECT

private slots:
    void listSizes_data();
    void listSizes();
    void linkCounts_data();
    void linkCounts();
    void everyEntryHasAStoneFromTheStoneList_data();
    void everyEntryHasAStoneFromTheStoneList();
    void tellingRows_data();
    void tellingRows();
    void entryLookupIsExact_data();
    void entryLookupIsExact();
    void findStoneIsExact_data();
    void findStoneIsExact();
    void stoneKeepsItsOwnLabels_data();
    void stoneKeepsItsOwnLabels();
    void jasperIsNotRedJasper();
};

void TestHealingCatalogue::listSizes_data()
{
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("labels");
    QTest::newRow("organs") << EntryKind::Organ << 49 << 121;
    QTest::newRow("mental") << EntryKind::MentalIllness << 66 << 85;
    QTest::newRow("physical") << EntryKind::PhysicalDisease << 91 << 118;
}

void TestHealingCatalogue::listSizes()
{
    QFETCH(EntryKind, kind);
    QFETCH(int, entries);
    QFETCH(int, labels);

    QCOMPARE(StoneNames().size(), 33u);
    QCOMPARE(static_cast<int>(EntryTexts(kind).size()), entries);
    QCOMPARE(Texts_Of(EntryTexts(kind)).removeDuplicates(), 0);

    int labelCount = 0;
    for (std::string_view name : StoneNames()) {
        const auto stone = FindStone(name);
        QVERIFY(stone);
        QVERIFY2(!stone->labels(kind).empty(), qPrintable(To_QString(name)));
        labelCount += static_cast<int>(stone->labels(kind).size());
    }
    QCOMPARE(labelCount, labels);
}

void TestHealingCatalogue::linkCounts_data()
{
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<int>("links");
    QTest::addColumn<int>("entriesWithOneStone");
    QTest::newRow("organs") << EntryKind::Organ << 121 << 20;
    QTest::newRow("mental") << EntryKind::MentalIllness << 85 << 54;
    QTest::newRow("physical") << EntryKind::PhysicalDisease << 116 << 74;
}

void TestHealingCatalogue::linkCounts()
{
    QFETCH(EntryKind, kind);
    QFETCH(int, links);
    QFETCH(int, entriesWithOneStone);

    int linkCount = 0;
    int single = 0;
    for (std::string_view entry : EntryTexts(kind)) {
        const auto stones = StonesForEntry(kind, entry);
        linkCount += static_cast<int>(stones.size());
        single += stones.size() == 1 ? 1 : 0;
    }
    QCOMPARE(linkCount, links);
    QCOMPARE(single, entriesWithOneStone);
}

void TestHealingCatalogue::everyEntryHasAStoneFromTheStoneList_data()
{
    QTest::addColumn<EntryKind>("kind");
    QTest::newRow("organs") << EntryKind::Organ;
    QTest::newRow("mental") << EntryKind::MentalIllness;
    QTest::newRow("physical") << EntryKind::PhysicalDisease;
}

void TestHealingCatalogue::everyEntryHasAStoneFromTheStoneList()
{
    QFETCH(EntryKind, kind);
    const QStringList names = Texts_Of(StoneNames());
    for (std::string_view entry : EntryTexts(kind)) {
        const QStringList stones = Texts_Of(StonesForEntry(kind, entry));
        QVERIFY2(!stones.isEmpty(), qPrintable(To_QString(entry)));
        int previous = -1;
        for (const QString& stone : stones) {
            const int position = names.indexOf(stone);
            QVERIFY2(position > previous, qPrintable(To_QString(entry) + " / " + stone));
            previous = position;
        }
    }
}

void TestHealingCatalogue::tellingRows_data()
{
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("stones");

    QTest::newRow("Heart, reached from the label Hearts too")
        << EntryKind::Organ << "Heart"
        << QStringList{"Rose Quartz", "Jade", "Emerald", "Ruby", "Sapphire", "Pearl", "Coral",
                       "Malachite", "Aquamarine"};
    QTest::newRow("Kidneys") << EntryKind::Organ << "Kidneys"
                             << QStringList{"Red Jasper", "Tiger Eye", "Carnelian", "Jade", "Jasper",
                                            "Topaz", "Citrine"};
    QTest::newRow("Emotional Balance")
        << EntryKind::MentalIllness << "Emotional Balance"
        << QStringList{"Red Jasper", "Green Aventurine", "Moonstone", "Rose Quartz", "Jade", "Citrine"};
    QTest::newRow("Imporve Emotional Balance is an entry of its own")
        << EntryKind::MentalIllness << "Imporve Emotional Balance" << QStringList{"Coral"};
    QTest::newRow("mental Depression, with the label Depressions")
        << EntryKind::MentalIllness << "Depression" << QStringList{"Hematite", "Garnet", "Chrysocolla"};
    QTest::newRow("physical Depression, with the label Depressions")
        << EntryKind::PhysicalDisease << "Depression" << QStringList{"Ruby"};
    QTest::newRow("Blood Circulation") << EntryKind::PhysicalDisease << "Blood Circulation"
                                       << QStringList{"Carnelian", "Ruby", "Goldstone", "Citrine"};
    QTest::newRow("Concentration") << EntryKind::PhysicalDisease << "Concentration"
                                   << QStringList{"Azurite", "Quartz", "Selenite"};
    QTest::newRow("Muscular Sprains from its longer label")
        << EntryKind::PhysicalDisease << "Muscular Sprains" << QStringList{"Hematite"};
    QTest::newRow("Wisdom leaves out Lapis Lazuli")
        << EntryKind::PhysicalDisease << "Wisdom" << QStringList{"Coral"};
    QTest::newRow("Inflammation leaves out Lapis Lazuli")
        << EntryKind::PhysicalDisease << "Inflammation" << QStringList{"Malachite"};
    QTest::newRow("Blood Pressure, label differs in case")
        << EntryKind::PhysicalDisease << "Blood Pressure(low Or High)" << QStringList{"Sodalite"};
    QTest::newRow("Kidney Stones, labels differ in case")
        << EntryKind::PhysicalDisease << "Kidney Stones"
        << QStringList{"Jade", "Topaz", "Malachite", "Citrine"};
    QTest::newRow("Head Aches") << EntryKind::PhysicalDisease << "Head Aches" << QStringList{"Amethyst"};
    QTest::newRow("Headaches") << EntryKind::PhysicalDisease << "Headaches" << QStringList{"Turquoise"};
    QTest::newRow("organ Reproductive System")
        << EntryKind::Organ << "Reproductive System" << QStringList{"Sodalite", "Moonstone", "Emerald"};
    QTest::newRow("physical Reproductive System")
        << EntryKind::PhysicalDisease << "Reproductive System" << QStringList{"Carnelian"};
    QTest::newRow("mental Stress") << EntryKind::MentalIllness << "Stress" << QStringList{"Chrysocolla"};
    QTest::newRow("physical Stress") << EntryKind::PhysicalDisease << "Stress"
                                     << QStringList{"Green Aventurine", "Topaz", "Goldstone"};
}

void TestHealingCatalogue::tellingRows()
{
    QFETCH(EntryKind, kind);
    QFETCH(QString, entry);
    QFETCH(QStringList, stones);
    QCOMPARE(Texts_Of(StonesForEntry(kind, Utf8_Of(entry))), stones);
}

void TestHealingCatalogue::entryLookupIsExact_data()
{
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<QString>("entry");
    QTest::newRow("heart") << EntryKind::Organ << "heart";
    QTest::newRow("Hearts is a label, not an entry") << EntryKind::Organ << "Hearts";
    QTest::newRow("label spelling of Blood Pressure")
        << EntryKind::PhysicalDisease << "Blood pressure(low Or high)";
    QTest::newRow("Muscular Sprains & pains") << EntryKind::PhysicalDisease << "Muscular Sprains & pains";
    QTest::newRow("organ text asked as physical") << EntryKind::PhysicalDisease << "Kidneys";
    QTest::newRow("untrimmed") << EntryKind::Organ << " Heart";
    QTest::newRow("prefix") << EntryKind::PhysicalDisease << "Blood";
    QTest::newRow("empty") << EntryKind::MentalIllness << "";
}

void TestHealingCatalogue::entryLookupIsExact()
{
    QFETCH(EntryKind, kind);
    QFETCH(QString, entry);
    QVERIFY(StonesForEntry(kind, Utf8_Of(entry)).empty());
}

void TestHealingCatalogue::findStoneIsExact_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("Red Jasper") << "Red Jasper" << 1;
    QTest::newRow("Jasper") << "Jasper" << 20;
    QTest::newRow("Cat's Eye") << "Cat's Eye" << 24;
    QTest::newRow("Lapis Lazuli") << "Lapis Lazuli" << 29;
    QTest::newRow("Aquamarine") << "Aquamarine" << 33;
    QTest::newRow("red jasper") << "red jasper" << 0;
    QTest::newRow("JASPER") << "JASPER" << 0;
    QTest::newRow("trailing blank") << "Jasper " << 0;
    QTest::newRow("part of a name") << "Lapis" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestHealingCatalogue::findStoneIsExact()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    const auto stone = FindStone(Utf8_Of(name));
    QCOMPARE(stone.has_value(), number != 0);
    if (!stone)
        return;
    QCOMPARE(To_QString(stone->name), name);
    QCOMPARE(stone->number, number);
    QCOMPARE(stone->picture, number);
    QCOMPARE(To_QString(StoneNames()[static_cast<std::size_t>(number - 1)]), name);
    QVERIFY(!stone->description.empty());
}

void TestHealingCatalogue::stoneKeepsItsOwnLabels_data()
{
    QTest::addColumn<QString>("stone");
    QTest::addColumn<EntryKind>("kind");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("Rose Quartz organs")
        << "Rose Quartz" << EntryKind::Organ
        << QStringList{"Hearts", "Lungs", "Breasts", "Shoulders", "Arms", "Stomach", "Liver"};
    QTest::newRow("Lapis Lazuli physical")
        << "Lapis Lazuli" << EntryKind::PhysicalDisease
        << QStringList{"Peacefulness", "Wisdom", "Nervous Disorders", "Inflammations"};
    QTest::newRow("Chrysocolla mental")
        << "Chrysocolla" << EntryKind::MentalIllness << QStringList{"Depressions", "Stress", "Grief"};
    QTest::newRow("Citrine physical, the longest list")
        << "Citrine" << EntryKind::PhysicalDisease
        << QStringList{"Restful sleep", "Physical energy", "Blood Circulation", "Kidney stones",
                       "Liver problems", "Indigestion", "Food Disorders", "Allergies"};
    QTest::newRow("Garnet organs") << "Garnet" << EntryKind::Organ << QStringList{"Root Chakra"};
}

void TestHealingCatalogue::stoneKeepsItsOwnLabels()
{
    QFETCH(QString, stone);
    QFETCH(EntryKind, kind);
    QFETCH(QStringList, labels);
    const auto found = FindStone(Utf8_Of(stone));
    QVERIFY(found);
    QCOMPARE(Texts_Of(found->labels(kind)), labels);
}

void TestHealingCatalogue::jasperIsNotRedJasper()
{
    const auto jasper = FindStone("Jasper");
    const auto redJasper = FindStone("Red Jasper");
    QVERIFY(jasper && redJasper);
    QVERIFY(jasper->description.starts_with("Jasper is a red colored stone"));
    QVERIFY(redJasper->description.starts_with("As the name implies, Red Jasper"));
    QCOMPARE(Texts_Of(StonesForEntry(EntryKind::PhysicalDisease, "Epilepsy")), QStringList{"Jasper"});
    QCOMPARE(Texts_Of(StonesForEntry(EntryKind::PhysicalDisease, "Bronchitis")), QStringList{"Red Jasper"});
    QCOMPARE(Texts_Of(StonesForEntry(EntryKind::Organ, "Ovaries")), (QStringList{"Red Jasper", "Jasper"}));
}

QTEST_APPLESS_MAIN(TestHealingCatalogue)
#include "test_healing_catalogue.moc"
