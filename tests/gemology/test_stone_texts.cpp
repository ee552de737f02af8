#include <QtTest>

#include <string_view>
#include <vector>

#include "gemology/stone_texts.h"

namespace {

enum class Table { Sun, Month, Moon };

std::string_view Text_Of(Table table, int index)
{
    switch (table) {
    case Table::Sun: return Stone_Texts::Sun_Texts.at(index);
    case Table::Month: return Stone_Texts::Month_Texts.at(index);
    case Table::Moon: return Stone_Texts::Moon_Texts.at(index);
    }
    return {};
}

QByteArray Bytes_Of(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Splits a paragraph after each full stop that is followed by a blank (or ends the text).
QList<QByteArray> Sentences_Of(std::string_view text)
{
    QList<QByteArray> result;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.' && (i + 1 == text.size() || text[i + 1] == ' ')) {
            result.append(Bytes_Of(text.substr(start, i + 1 - start)));
            start = i + 2;
        }
    }
    if (start < text.size())
        result.append(Bytes_Of(text.substr(start)));
    return result;
}

struct Entry {
    const char *name;
    Table table;
    int index;
};

// Every row of the three tables, in the order of the tables.
std::vector<Entry> All_Entries()
{
    static const char *const signs[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                          "Libra", "Scorpio", "Sagittarius", "Capricorn",
                                          "Aquarius", "Pisces"};
    static const char *const months[12] = {"January", "February", "March", "April",
                                           "May", "June", "July", "August",
                                           "September", "October", "November", "December"};
    std::vector<Entry> entries;
    for (int i = 0; i < 12; ++i)
        entries.push_back({signs[i], Table::Sun, i});
    for (int i = 0; i < 12; ++i)
        entries.push_back({months[i], Table::Month, i});
    for (int i = 0; i < 12; ++i)
        entries.push_back({signs[i], Table::Moon, i});
    return entries;
}

QString Label_Of(const Entry &entry)
{
    const char *table = entry.table == Table::Sun ? "sun" : entry.table == Table::Month ? "month" : "moon";
    return QStringLiteral("%1 %2").arg(QLatin1String(table), QLatin1String(entry.name));
}

constexpr int Gemini = 2, Virgo = 5, Libra = 6, Scorpio = 7, Sagittarius = 8, Aquarius = 10,
              Pisces = 11, Aries = 0;
constexpr int January = 0, April = 3, August = 7, September = 8;

}  // namespace

class TestStoneTexts : public QObject {
    Q_OBJECT

private slots:
    void openingAndLength_data();
    void openingAndLength();
    void plainSingleParagraph_data();
    void plainSingleParagraph();
    void sharedTextsAreOneConstant_data();
    void sharedTextsAreOneConstant();
    void coralTextsDifferInOneSentence();
    void moonTextsDifferFromMonthTextsWithLikeOpening_data();
    void moonTextsDifferFromMonthTextsWithLikeOpening();
    void allOtherTextsAreDistinct();
};

void TestStoneTexts::openingAndLength_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("opening");
    QTest::addColumn<int>("length");

    const auto row = [](const char *name, Table table, int index, const char *opening, int length) {
        QTest::newRow(name) << Bytes_Of(Text_Of(table, index)) << QByteArray(opening) << length;
    };

    row("sun Aries", Table::Sun, 0, "Diamond is the best choice for the people born under", 452);
    row("sun Taurus", Table::Sun, 1, "The most recommended stone for the Taurus people is the", 404);
    row("sun Gemini", Table::Sun, 2, "The best stone for the Twins is the Pearl. The", 480);
    row("sun Cancer", Table::Sun, 3, "For the Cancerians. Ruby is said to be the luckiest", 512);
    row("sun Leo", Table::Sun, 4, "The green colored stone - Peridot, is the recommended one", 431);
    row("sun Virgo", Table::Sun, 5, "For the modest and the disciplined Virgo, Sapphire is the", 322);
    row("sun Libra", Table::Sun, 6, "Opal is the most recommended gemstone for the Librans. The", 362);
    row("sun Scorpio", Table::Sun, 7, "Cat's eye is probably the best stone for the scorpions.", 216);
    row("sun Sagittarius", Table::Sun, 8, "The dominant Sagi needs to wear the Coral gem for", 306);
    row("sun Capricorn", Table::Sun, 9, "Garnet is the ideal stone for the Capricorns. The red", 168);
    row("sun Aquarius", Table::Sun, 10, "Gomed or the Hessonite is the lucky stone for those", 328);
    row("sun Pisces", Table::Sun, 11, "The lucky stone for the Pisces is the Aquamarine. The", 330);

    row("month January", Table::Month, 0, "The term 'Garnet' has been derived from the Latin word", 515);
    row("month February", Table::Month, 1, "The term 'Amethyst' has been derived from the Greek word", 511);
    row("month March", Table::Month, 2, "The term 'Aquamarine' has been derived from the Roman word", 543);
    row("month April", Table::Month, 3, "The richest cousin of Graphite, diamond is considered to the", 339);
    row("month May", Table::Month, 4, "The term 'Emerald' has been derived from the Greek word", 433);
    row("month June", Table::Month, 5, "As per the Hindu or the Indian mythology, pearls are", 585);
    row("month July", Table::Month, 6, "The term 'Ruby' has been derived from the Latin word", 592);
    row("month August", Table::Month, 7, "One of the oldest gems, Peridot is also known as", 517);
    row("month September", Table::Month, 8, "The word 'Sapphire' has been derived from the Latin word", 515);
    row("month October", Table::Month, 9, "The birthstone for the month of October - the Opal", 608);
    row("month November", Table::Month, 10, "The word 'Topaz' has been derived from the Greek word", 479);
    row("month December", Table::Month, 11, "'Zircon' - the name has been derived from the Arabic", 514);

    row("moon Aries", Table::Moon, 0, "Very commonly known as 'Pala', coral is a semi-precious stone.", 510);
    row("moon Taurus", Table::Moon, 1, "It is no doubt the costliest stone just after Ruby.", 560);
    row("moon Gemini", Table::Moon, 2, "It is considered to be a gemstone of patience and", 385);
    row("moon Cancer", Table::Moon, 3, "Pearls are a type of precious stones which not only", 413);
    row("moon Leo", Table::Moon, 4, "A precious stone. When used with gold, Ruby showers a", 611);
    row("moon Virgo", Table::Moon, 5, "It is considered to be a gemstone of patience and", 385);
    row("moon Libra", Table::Moon, 6, "The richest cousin of Graphite, Diamonds are of various kinds", 609);
    row("moon Scorpio", Table::Moon, 7, "Very commonly known as 'Pala', coral is a semi-precious stone.", 511);
    row("moon Sagittarius", Table::Moon, 8, "One of the oldest gems, Peridot is also known as", 516);
    row("moon Capricorn", Table::Moon, 9, "The stone with the blue cosmic rays is ruled by", 609);
    row("moon Aquarius", Table::Moon, 10, "The term 'Garnet' has been derived from the Latin word", 515);
    row("moon Pisces", Table::Moon, 11, "The word 'Sapphire' has been derived from the Latin word", 477);
}

void TestStoneTexts::openingAndLength()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, opening);
    QFETCH(int, length);

    QVERIFY2(text.startsWith(opening), text.left(opening.size() + 20).constData());
    // The opening ends on a word boundary: its last word is not the start of a longer one.
    QVERIFY(text.size() > opening.size());
    const char next = text.at(opening.size());
    QVERIFY2(next == ' ' || next == ',', "the opening must end on a word boundary");
    QCOMPARE(text.size(), length);
}

void TestStoneTexts::plainSingleParagraph_data()
{
    QTest::addColumn<QByteArray>("text");
    for (const Entry &entry : All_Entries())
        QTest::newRow(qPrintable(Label_Of(entry))) << Bytes_Of(Text_Of(entry.table, entry.index));
}

void TestStoneTexts::plainSingleParagraph()
{
    QFETCH(QByteArray, text);

    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text.at(i));
        // Printable ASCII only: this excludes line breaks, tabs and every non-ASCII byte.
        QVERIFY2(c >= 0x20 && c <= 0x7E, qPrintable(QStringLiteral("byte %1 at %2").arg(c).arg(i)));
        QVERIFY2(c != '"', qPrintable(QStringLiteral("double quote at %1").arg(i)));
    }
    QVERIFY2(!text.contains("  "), "doubled blank");
    QVERIFY(!text.startsWith(' '));
    QVERIFY(text.endsWith('.'));
    QVERIFY(!text.endsWith(" ."));
}

void TestStoneTexts::sharedTextsAreOneConstant_data()
{
    QTest::addColumn<int>("firstTable");
    QTest::addColumn<int>("firstIndex");
    QTest::addColumn<int>("secondTable");
    QTest::addColumn<int>("secondIndex");

    QTest::newRow("moon Gemini and moon Virgo")
        << int(Table::Moon) << Gemini << int(Table::Moon) << Virgo;
    QTest::newRow("moon Aquarius and month January")
        << int(Table::Moon) << Aquarius << int(Table::Month) << January;
}

void TestStoneTexts::sharedTextsAreOneConstant()
{
    QFETCH(int, firstTable);
    QFETCH(int, firstIndex);
    QFETCH(int, secondTable);
    QFETCH(int, secondIndex);

    const std::string_view first = Text_Of(Table(firstTable), firstIndex);
    const std::string_view second = Text_Of(Table(secondTable), secondIndex);
    QCOMPARE(Bytes_Of(first), Bytes_Of(second));
    // One constant, not two copies that could drift apart.
    QCOMPARE(static_cast<const void *>(first.data()), static_cast<const void *>(second.data()));
}

void TestStoneTexts::coralTextsDifferInOneSentence()
{
    const std::string_view aries = Stone_Texts::Moon_Texts.at(Aries);
    const std::string_view scorpio = Stone_Texts::Moon_Texts.at(Scorpio);
    QVERIFY(aries != scorpio);

    const QList<QByteArray> a = Sentences_Of(aries);
    const QList<QByteArray> s = Sentences_Of(scorpio);
    QCOMPARE(a.size(), s.size());
    QVERIFY(a.size() > 1);
    QCOMPARE(a.first(), QByteArray("Very commonly known as 'Pala', coral is a semi-precious stone."));
    QCOMPARE(s.first(), a.first());

    int differing = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        differing += a.at(i) != s.at(i) ? 1 : 0;
    QCOMPARE(differing, 1);
}

void TestStoneTexts::moonTextsDifferFromMonthTextsWithLikeOpening_data()
{
    QTest::addColumn<int>("moonIndex");
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("sharedWords");

    // sharedWords: how many leading words the two texts have in common at least.
    QTest::newRow("moon Libra / month April") << Libra << April << 5;
    QTest::newRow("moon Sagittarius / month August") << Sagittarius << August << 10;
    QTest::newRow("moon Pisces / month September") << Pisces << September << 10;
}

void TestStoneTexts::moonTextsDifferFromMonthTextsWithLikeOpening()
{
    QFETCH(int, moonIndex);
    QFETCH(int, monthIndex);
    QFETCH(int, sharedWords);

    const QByteArray moon = Bytes_Of(Stone_Texts::Moon_Texts.at(moonIndex));
    const QByteArray month = Bytes_Of(Stone_Texts::Month_Texts.at(monthIndex));
    QVERIFY(moon != month);

    const QList<QByteArray> moonWords = moon.split(' ');
    const QList<QByteArray> monthWords = month.split(' ');
    QCOMPARE(moonWords.mid(0, sharedWords), monthWords.mid(0, sharedWords));
}

void TestStoneTexts::allOtherTextsAreDistinct()
{
    const std::vector<Entry> entries = All_Entries();
    const auto sharedPair = [](const Entry &x, const Entry &y) {
        const auto is = [](const Entry &e, Table t, int i) { return e.table == t && e.index == i; };
        const auto either = [&](Table t1, int i1, Table t2, int i2) {
            return (is(x, t1, i1) && is(y, t2, i2)) || (is(x, t2, i2) && is(y, t1, i1));
        };
        return either(Table::Moon, Gemini, Table::Moon, Virgo)
            || either(Table::Moon, Aquarius, Table::Month, January);
    };

    QSet<QByteArray> distinct;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QByteArray first = Bytes_Of(Text_Of(entries[i].table, entries[i].index));
        distinct.insert(first);
        for (std::size_t j = i + 1; j < entries.size(); ++j) {
            if (sharedPair(entries[i], entries[j]))
                continue;
            const QByteArray second = Bytes_Of(Text_Of(entries[j].table, entries[j].index));
            QVERIFY2(first != second,
                     qPrintable(Label_Of(entries[i]) + QStringLiteral(" equals ") + Label_Of(entries[j])));
        }
    }
    QCOMPARE(distinct.size(), 34);
}

QTEST_GUILESS_MAIN(TestStoneTexts)
#include "test_stone_texts.moc"
