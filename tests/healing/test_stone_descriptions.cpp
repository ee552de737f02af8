#include <QtTest>

#include <climits>
#include <set>
#include <string_view>

#include "healing/stone_descriptions.h"

namespace {
QByteArray Bytes(std::string_view text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

class TestStoneDescriptions : public QObject {
  Q_OBJECT

 private slots:
  void eachStone_data();
  void eachStone();
  void outsideTheList_data();
  void outsideTheList();
  void doubleQuotesInExactlyTwoTexts();
  void textsAreDistinct();
  void jasperIsNotRedJasper();
};

void TestStoneDescriptions::eachStone_data() {
  QTest::addColumn<int>("number");
  QTest::addColumn<QByteArray>("opening");
  QTest::addColumn<int>("length");
    QTest::newRow("01 Red Jasper") << 1 << QByteArray("As the name implies, Red Jasper is a") << 425;
    QTest::newRow("02 Green Aventurine") << 2 << QByteArray("Aventurine is translucent and/or opaque green colored quartz.") << 517;
    QTest::newRow("03 Sodalite") << 3 << QByteArray("Sodalite is one of the most common minerals") << 338;
    QTest::newRow("04 Hematite") << 4 << QByteArray("Hematite is a silver-colored, shiny and opaque gemstone") << 437;
    QTest::newRow("05 Moonstone") << 5 << QByteArray("Associated with the planet Moon, Moonstone is said") << 442;
    QTest::newRow("06 Tiger Eye") << 6 << QByteArray("Tiger Eye is derived from a mineral called") << 484;
    QTest::newRow("07 Rose Quartz") << 7 << QByteArray("Rose Quartz is one of the most valuable") << 493;
    QTest::newRow("08 Carnelian") << 8 << QByteArray("Carnelian is the stone of creativity, courage and") << 377;
    QTest::newRow("09 Jade") << 9 << QByteArray("One of the toughest gemstone, Jade is also") << 413;
    QTest::newRow("10 Amethyst") << 10 << QByteArray("A form of quartz, Amethyst is high in") << 365;
    QTest::newRow("11 Bloodstone") << 11 << QByteArray("A green stone with red spots, Bloodstone is") << 322;
    QTest::newRow("12 Emerald") << 12 << QByteArray("Gemstones of stunning green color, Emeralds hail from") << 565;
    QTest::newRow("13 Ruby") << 13 << QByteArray("A bright red gemstone, Ruby is derived from") << 402;
    QTest::newRow("14 Sapphire") << 14 << QByteArray("Also known as the 'stone of creativity, expressing") << 388;
    QTest::newRow("15 Diamond") << 15 << QByteArray("The 'king of gems', Diamond is one of") << 340;
    QTest::newRow("16 Pearl") << 16 << QByteArray("Referred to as the 'calming stone', Pearl keeps") << 386;
    QTest::newRow("17 Coral") << 17 << QByteArray("Due to its high content of calcium carbonate,") << 407;
    QTest::newRow("18 Turquoise") << 18 << QByteArray("Considered to be one of the most sacred") << 345;
    QTest::newRow("19 Peridot") << 19 << QByteArray("Peridot is known to be one of the") << 433;
    QTest::newRow("20 Jasper") << 20 << QByteArray("Jasper is a red colored stone, the shade") << 439;
    QTest::newRow("21 Topaz") << 21 << QByteArray("The word Topaz has been derived from a") << 497;
    QTest::newRow("22 Garnet") << 22 << QByteArray("The term 'Garnet' has been derived from the") << 349;
    QTest::newRow("23 Azurite") << 23 << QByteArray("Also referred to as the 'stone of heavens',") << 386;
    QTest::newRow("24 Cat's Eye") << 24 << QByteArray("A valuable stone that is known to harmonize") << 316;
    QTest::newRow("25 Goldstone") << 25 << QByteArray("This is the only man-made stone. Goldstone is") << 339;
    QTest::newRow("26 Malachite") << 26 << QByteArray("A 'stone of transformation', Malachite is associated with") << 296;
    QTest::newRow("27 Quartz") << 27 << QByteArray("A crystal rock consisting of silicon dioxide, Quartz") << 363;
    QTest::newRow("28 Selenite") << 28 << QByteArray("It is a stone of 'organic origin'. This") << 289;
    QTest::newRow("29 Lapis Lazuli") << 29 << QByteArray("The term Lapis Lazuli has been derived from") << 467;
    QTest::newRow("30 Celestite") << 30 << QByteArray("Celestite, the name has been derived from the") << 406;
    QTest::newRow("31 Citrine") << 31 << QByteArray("One of the brightest gemstones, Citrine is known") << 350;
    QTest::newRow("32 Chrysocolla") << 32 << QByteArray("Chrysocolla is said to be the 'stone of") << 428;
    QTest::newRow("33 Aquamarine") << 33 << QByteArray("The term 'Aquamarine' means sea-water. It is the") << 532;
}

// Each text opens with its stone's words, has its stone's length and is one clean paragraph.
void TestStoneDescriptions::eachStone() {
  QFETCH(int, number);
  QFETCH(QByteArray, opening);
  QFETCH(int, length);

  const QByteArray text = Bytes(Stone_Description(number));
  QVERIFY2(text.startsWith(opening), text.left(opening.size() + 20).constData());
  QCOMPARE(text.size(), length);
  QVERIFY(text.endsWith('.'));
  QVERIFY2(!text.contains("  "), "doubled space");
  QVERIFY(!text.startsWith(' '));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    QVERIFY2(c >= 0x20 && c <= 0x7E,
             qPrintable(QStringLiteral("character %1 at %2 is not printable ASCII").arg(c).arg(i)));
  }
  QCOMPARE(text, Bytes(Stone_Descriptions[static_cast<std::size_t>(number - 1)]));
}

void TestStoneDescriptions::outsideTheList_data() {
  QTest::addColumn<int>("number");
  QTest::newRow("zero") << 0;
  QTest::newRow("one past the last") << 34;
  QTest::newRow("negative") << -1;
  QTest::newRow("smallest int") << INT_MIN;
  QTest::newRow("largest int") << INT_MAX;
}

void TestStoneDescriptions::outsideTheList() {
  QFETCH(int, number);
  QVERIFY(Stone_Description(number).empty());
}

void TestStoneDescriptions::doubleQuotesInExactlyTwoTexts() {
  int quoting = 0;
  for (std::string_view text : Stone_Descriptions)
    if (text.find('"') != std::string_view::npos) ++quoting;
  QCOMPARE(quoting, 2);
}

void TestStoneDescriptions::textsAreDistinct() {
  const std::set<std::string_view> distinct(Stone_Descriptions.begin(), Stone_Descriptions.end());
  QCOMPARE(distinct.size(), Stone_Descriptions.size());
}

// "Jasper" (20) and "Red Jasper" (1) are separate stones with separate texts.
void TestStoneDescriptions::jasperIsNotRedJasper() {
  const QByteArray jasper = Bytes(Stone_Description(20));
  const QByteArray redJasper = Bytes(Stone_Description(1));
  QVERIFY(jasper.startsWith("Jasper is a red colored stone, the shade"));
  QVERIFY(redJasper.startsWith("As the name implies, Red Jasper is a"));
  QVERIFY(jasper != redJasper);
}

QTEST_GUILESS_MAIN(TestStoneDescriptions)
#include "test_stone_descriptions.moc"
