#include <QtTest>

#include "report/report_links.h"

namespace {

QStringList Addresses_In(const QString& text)
{
    QStringList addresses;
    for (const TextSpan& span : Find_Web_Addresses(text))
        addresses.append(text.mid(span.start, span.length));
    return addresses;
}

// An address of exactly the given length.
QString Address_Of_Length(qsizetype length)
{
    QString address = QStringLiteral("https://gems.example/");
    return address + QString(length - address.size(), u'a');
}

}  // namespace

class TestReportLinks : public QObject {
    Q_OBJECT

private slots:
    void findsWebAddresses_data();
    void findsWebAddresses();
    void opensOnlyWebAddresses_data();
    void opensOnlyWebAddresses();
};

void TestReportLinks::findsWebAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("addresses");

    QTest::newRow("http inside a sentence") << QStringLiteral("Visit http://gems.example/stones today")
                                            << QStringList{QStringLiteral("http://gems.example/stones")};
    QTest::newRow("https with query and fragment")
        << QStringLiteral("https://gems.example/a?b=c&d=e#f")
        << QStringList{QStringLiteral("https://gems.example/a?b=c&d=e#f")};
    QTest::newRow("www without a scheme") << QStringLiteral("see www.gems.example/ruby")
                                          << QStringList{QStringLiteral("www.gems.example/ruby")};
    QTest::newRow("any case") << QStringLiteral("WWW.GEMS.EXAMPLE and HTTPS://GEMS.EXAMPLE")
                              << QStringList{QStringLiteral("WWW.GEMS.EXAMPLE"), QStringLiteral("HTTPS://GEMS.EXAMPLE")};
    QTest::newRow("full stop after the address") << QStringLiteral("Go to www.gems.example.")
                                                 << QStringList{QStringLiteral("www.gems.example")};
    QTest::newRow("punctuation after the address") << QStringLiteral("http://a.example/x?!, then")
                                                   << QStringList{QStringLiteral("http://a.example/x")};
    QTest::newRow("in brackets") << QStringLiteral("(see www.gems.example/page)")
                                 << QStringList{QStringLiteral("www.gems.example/page")};
    QTest::newRow("brackets that belong to the address")
        << QStringLiteral("http://wiki.example/Ruby_(gem) is red")
        << QStringList{QStringLiteral("http://wiki.example/Ruby_(gem)")};
    QTest::newRow("in quotes and angle brackets")
        << QStringLiteral("\"http://q.example\" <https://a.example/x>")
        << QStringList{QStringLiteral("http://q.example"), QStringLiteral("https://a.example/x")};
    QTest::newRow("two addresses") << QStringLiteral("http://a.example\twww.b.example")
                                   << QStringList{QStringLiteral("http://a.example"), QStringLiteral("www.b.example")};
    QTest::newRow("address with letters outside ASCII") << QStringLiteral("http://gems.example/édition")
                                                        << QStringList{QStringLiteral("http://gems.example/édition")};
    QTest::newRow("inside a word") << QStringLiteral("awww.gems.example xhttp://gems.example") << QStringList{};
    QTest::newRow("opening alone") << QStringLiteral("www. and http:// and https://.") << QStringList{};
    QTest::newRow("other schemes") << QStringLiteral("ftp://files.example mailto:a@b.example") << QStringList{};
    QTest::newRow("no address") << QStringLiteral("Garnet is the stone of January.") << QStringList{};
}

void TestReportLinks::findsWebAddresses()
{
    QFETCH(QString, text);
    QFETCH(QStringList, addresses);

    QCOMPARE(Addresses_In(text), addresses);
}

void TestReportLinks::opensOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("opened");

    QTest::newRow("http") << QStringLiteral("http://gems.example/x") << QStringLiteral("http://gems.example/x");
    QTest::newRow("https") << QStringLiteral("https://gems.example") << QStringLiteral("https://gems.example");
    QTest::newRow("https in capitals") << QStringLiteral("HTTPS://GEMS.EXAMPLE/A") << QStringLiteral("https://gems.example/A");
    QTest::newRow("www opens as https") << QStringLiteral("www.gems.example/x") << QStringLiteral("https://www.gems.example/x");
    QTest::newRow("WWW opens as https") << QStringLiteral("WWW.gems.example") << QStringLiteral("https://www.gems.example");
    QTest::newRow("ftp") << QStringLiteral("ftp://files.example/a") << QString();
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << QString();
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)") << QString();
    QTest::newRow("no host") << QStringLiteral("http://") << QString();
    QTest::newRow("not an address") << QStringLiteral("Garnet") << QString();
    QTest::newRow("1024 characters") << Address_Of_Length(1024) << Address_Of_Length(1024);
    QTest::newRow("1025 characters") << Address_Of_Length(1025) << QString();
}

void TestReportLinks::opensOnlyWebAddresses()
{
    QFETCH(QString, link);
    QFETCH(QString, opened);

    QCOMPARE(Address_To_Open(link).toString(), opened);
}

QTEST_MAIN(TestReportLinks)
#include "test_report_links.moc"
