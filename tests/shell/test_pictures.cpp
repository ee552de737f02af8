#include "contact_sheet.h"
#include "divination/divination_pictures.h"
#include "gemology/gemology_pictures.h"
#include "healing/healing_pictures.h"
#include "shell/table_text.h"
#include "shell/widgets/drawing_icon.h"
#include "shell/widgets/picture_box.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <vector>

namespace {
// One position of a catalogue as the program expects it: the key the catalogue gives it and
// what the picture shows. Two positions that show the same subject share one drawing;
// different subjects are different drawings.
struct Expected {
    const char* key;
    const char* subject;
};

struct CatalogueCase {
    const char* name;
    const PictureCatalogue* catalogue;
    std::vector<Expected> entries;
};

const std::vector<Expected> SignEntries = {
    {"aquarius", "sign Aquarius"}, {"aries", "sign Aries"},   {"cancer", "sign Cancer"},
    {"capricorn", "sign Capricorn"}, {"gemini", "sign Gemini"}, {"leo", "sign Leo"},
    {"libra", "sign Libra"},       {"pisces", "sign Pisces"}, {"sagittarius", "sign Sagittarius"},
    {"scorpio", "sign Scorpio"},   {"taurus", "sign Taurus"}, {"virgo", "sign Virgo"},
};

// The healing stones in their list order, with their picture keys.
const std::vector<Expected> HealingEntries = {
    {"01 red jasper", "red jasper"}, {"02 green aventurine", "green aventurine"}, {"03 sodalite", "sodalite"},
    {"04 hematite", "hematite"},     {"05 moonstone", "moonstone"},               {"06 tiger eye", "tiger eye"},
    {"07 rose quartz", "rose quartz"}, {"08 carnelian", "carnelian"},             {"09 jade", "jade"},
    {"10 amethyst", "amethyst"},     {"11 bloodstone", "bloodstone"},             {"12 emerald", "emerald"},
    {"13 ruby", "ruby"},             {"14 sapphire", "sapphire"},                 {"15 diamond", "diamond"},
    {"16 pearl", "pearl"},           {"17 coral", "coral"},                       {"18 turquoise", "turquoise"},
    {"19 peridot", "peridot"},       {"20 jasper", "jasper"},                     {"21 topaz", "topaz"},
    {"22 garnet", "garnet"},         {"23 azurite", "azurite"},                   {"24 cat's eye", "cat's eye"},
    {"25 goldstone", "goldstone"},   {"26 malachite", "malachite"},               {"27 quartz", "quartz"},
    {"28 selenite", "selenite"},     {"29 lapiz lazuli", "lapis lazuli"},         {"30 celestite", "celestite"},
    {"31 citrine", "citrine"},       {"32 chrysocolla", "chrysocolla"},           {"33 aquamarine", "aquamarine"},
};

std::vector<Expected> divinationEntries()
{
    std::vector<Expected> entries;
    for (const Expected& entry : HealingEntries) {
        const QByteArray key(entry.key);
        if (!key.startsWith("20 ") && !key.startsWith("25 "))
            entries.push_back(entry);
    }
    entries.push_back({"main", "crystal ball"});
    return entries;
}

const std::vector<CatalogueCase>& catalogueCases()
{
    static const std::vector<CatalogueCase> cases = {
        {"ImglistSunSign", &ImglistSunSign, SignEntries},
        {"imgListMoonSign", &imgListMoonSign, SignEntries},
        {"ImgSunSignStone", &ImgSunSignStone,
         {{"Diamond", "diamond"}, {"Emerald", "emerald"}, {"Pearl", "pearl"}, {"Ruby", "ruby"},
          {"Peridot", "peridot"}, {"Sapphire", "sapphire"}, {"Opal", "opal"}, {"Cat's eye", "cat's eye"},
          {"Coral", "coral"}, {"Garnet", "garnet"}, {"gomed", "hessonite"}, {"Aquamarine", "aquamarine"}}},
        {"ImgMoonSignStone", &ImgMoonSignStone,
         {{"coral", "coral"}, {"diamond", "diamond"}, {"emerald", "emerald"}, {"pearl", "pearl"},
          {"ruby", "ruby"}, {"emerald", "emerald"}, {"diamond", "diamond"}, {"coral", "coral"},
          {"peridot", "peridot"}, {"sapphire", "sapphire"}, {"garnet", "garnet"},
          {"yellow sapphire", "yellow sapphire"}}},
        {"ImgBirthStone", &ImgBirthStone,
         {{"Garnet", "garnet"}, {"Amethyst", "amethyst"}, {"Aquamarine", "aquamarine"}, {"Diamond", "diamond"},
          {"Emerald", "emerald"}, {"pearl", "pearl"}, {"Ruby", "ruby"}, {"Peridot", "peridot"},
          {"Sapphire", "sapphire"}, {"Opal", "opal"}, {"Yellow Topaz", "yellow topaz"},
          {"Blue Zircon", "blue zircon"}}},
        {"Healing_IMG", &Healing_IMG, HealingEntries},
        {"Divination_IMG", &Divination_IMG, divinationEntries()},
    };
    return cases;
}

QImage rendered(const QString& drawing, int side)
{
    return Render_Drawing(drawing.toStdString(), side).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Mean difference of two equally sized images over all channels, 0 (same) to 255.
double meanDifference(const QImage& a, const QImage& b)
{
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const uchar*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const uchar*>(b.constScanLine(y));
        for (int x = 0; x < a.width() * 4; ++x)
            total += qAbs(rowA[x] - rowB[x]);
    }
    return double(total) / (a.width() * a.height() * 4);
}
}  // namespace

Q_DECLARE_METATYPE(SheetTheme)

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void catalogueHoldsItsKeysInOrder_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < catalogueCases().size(); ++i)
            QTest::newRow(catalogueCases()[i].name) << int(i);
    }

    void catalogueHoldsItsKeysInOrder()
    {
        QFETCH(int, index);
        const CatalogueCase& expected = catalogueCases()[std::size_t(index)];
        QCOMPARE(expected.catalogue->size(), int(expected.entries.size()));
        for (int position = 1; position <= expected.catalogue->size(); ++position)
            QCOMPARE(To_QString(expected.catalogue->at(position)->key),
                     QString::fromUtf8(expected.entries[std::size_t(position - 1)].key));
    }

    void everyPictureIsDrawn_data()
    {
        QTest::addColumn<QString>("drawing");
        for (const CatalogueCase& c : catalogueCases())
            for (int position = 1; position <= c.catalogue->size(); ++position)
                QTest::addRow("%s %d %s", c.name, position, c.entries[std::size_t(position - 1)].key)
                    << To_QString(c.catalogue->at(position)->drawing);
        for (const char* art : {"app/icon", "app/banner", "app/decoration", "app/pointer"})
            QTest::newRow(art) << QString::fromLatin1(art);
    }

    // A picture at 120 px has a transparent background, covers a fair part of the area it is
    // drawn in and is a picture, not a flat patch of colour.
    void everyPictureIsDrawn()
    {
        QFETCH(QString, drawing);
        const QImage image = rendered(drawing, 120);
        const QSize area = QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(drawing))
                               .defaultSize()
                               .scaled(120, 120, Qt::KeepAspectRatio);
        QVERIFY2(!image.isNull(), qPrintable(drawing));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QSet<QRgb> colours;
        int covered = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) > 128) {
                    ++covered;
                    colours.insert(pixel);
                }
            }
        QVERIFY2(covered > area.width() * area.height() / 10, qPrintable(drawing));
        QVERIFY2(colours.size() > 50, qPrintable(drawing));
    }

    void sameSubjectSharesOneDrawing()
    {
        QHash<QString, QString> drawingOfSubject;
        QHash<QString, QString> subjectOfDrawing;
        for (const CatalogueCase& c : catalogueCases())
            for (int position = 1; position <= c.catalogue->size(); ++position) {
                const QString subject = QString::fromUtf8(c.entries[std::size_t(position - 1)].subject);
                const QString drawing = To_QString(c.catalogue->at(position)->drawing);
                const QString where = QStringLiteral("%1 %2").arg(QLatin1String(c.name)).arg(position);
                QVERIFY2(drawingOfSubject.value(subject, drawing) == drawing,
                         qPrintable(where + QStringLiteral(": ") + subject + QStringLiteral(" is drawn twice")));
                QVERIFY2(subjectOfDrawing.value(drawing, subject) == subject,
                         qPrintable(where + QStringLiteral(": ") + drawing + QStringLiteral(" shows two subjects")));
                drawingOfSubject.insert(subject, drawing);
                subjectOfDrawing.insert(drawing, subject);
            }
    }

    // Distinct drawings must look clearly different, not merely differ in a few pixels.
    void differentDrawingsLookDifferent()
    {
        QStringList drawings;
        for (const CatalogueCase& c : catalogueCases())
            for (int position = 1; position <= c.catalogue->size(); ++position)
                if (const QString drawing = To_QString(c.catalogue->at(position)->drawing); !drawings.contains(drawing))
                    drawings.append(drawing);
        QList<QImage> images;
        for (const QString& drawing : drawings)
            images.append(rendered(drawing, 48));
        for (int i = 0; i < images.size(); ++i)
            for (int j = i + 1; j < images.size(); ++j)
                QVERIFY2(meanDifference(images[i], images[j]) > 3.0,
                         qPrintable(drawings[i] + QStringLiteral(" looks like ") + drawings[j]));
    }

    void positionOutsideACatalogueShowsNothing_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("position");
        for (std::size_t i = 0; i < catalogueCases().size(); ++i) {
            const CatalogueCase& c = catalogueCases()[i];
            QTest::addRow("%s 0", c.name) << int(i) << 0;
            QTest::addRow("%s size+1", c.name) << int(i) << c.catalogue->size() + 1;
            QTest::addRow("%s -1", c.name) << int(i) << -1;
            QTest::addRow("%s lowest", c.name) << int(i) << INT_MIN;
        }
    }

    void positionOutsideACatalogueShowsNothing()
    {
        QFETCH(int, index);
        QFETCH(int, position);
        const PictureCatalogue& catalogue = *catalogueCases()[std::size_t(index)].catalogue;
        QVERIFY(catalogue.at(position) == nullptr);
        PictureBox box;
        box.showPicture(catalogue, 1);
        const QString shown = box.drawing();
        box.showPicture(catalogue, position);
        QCOMPARE(box.drawing(), shown);
    }

    // Pictures are kept once rendered: each size and pixel density must still get its own.
    void aPictureIsRenderedForTheSizeAndDensityAskedFor()
    {
        const QString ruby = QStringLiteral("stones/ruby");
        for (int pass = 0; pass < 2; ++pass) {
            const QPixmap small = Fitted_Drawing(ruby, QSize(40, 30), 1.0);
            const QPixmap large = Fitted_Drawing(ruby, QSize(80, 60), 1.0);
            const QPixmap dense = Fitted_Drawing(ruby, QSize(40, 30), 2.0);
            QCOMPARE(small.size(), QSize(40, 30));
            QCOMPARE(large.size(), QSize(80, 60));
            QCOMPARE(dense.size(), QSize(80, 60));
            QCOMPARE(dense.devicePixelRatio(), 2.0);
            QCOMPARE(small.devicePixelRatio(), 1.0);
        }
    }

    // A box shows its picture fitted to the size it has now, also after it was painted at another.
    void aResizedBoxShowsItsPictureAtItsNewSize()
    {
        PictureBox box;
        box.showDrawing("stones/ruby");
        const auto coveredRows = [&box](QSize size) {
            box.resize(size);
            const QImage image = box.grab().toImage();
            const QRgb ground = image.pixel(0, 0);
            int rows = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) != ground) {
                        ++rows;
                        break;
                    }
            return rows;
        };
        const int small = coveredRows(QSize(60, 60));
        const int large = coveredRows(QSize(120, 120));
        QVERIFY2(small > 30 && small <= 60, qPrintable(QString::number(small)));
        QVERIFY2(large > 2 * small - 4, qPrintable(QString::number(large)));
    }

    // The window icon is drawn at whatever size the window system asks for.
    void theDrawingIconHasThePictureAtEverySize()
    {
        const QIcon icon = Drawing_Icon("app/icon");
        QVERIFY(!icon.isNull());
        for (int side : {16, 32, 64, 128}) {
            const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
            QCOMPARE(image.size(), QSize(side, side));
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QVERIFY(qAlpha(image.pixel(side / 2, side / 2)) > 128);
        }
    }

    void unknownDrawingOrNoSizeGivesNoPicture()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot open file.*unobtainium")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot open file ':/pictures/.svg'")));
        QVERIFY(Render_Drawing("stones/unobtainium", 120).isNull());
        QVERIFY(Render_Drawing("", 120).isNull());
        QVERIFY(Render_Drawing("stones/ruby", 0).isNull());
    }

    // The launcher's pointer has its hot spot at (4, 2) of 32 x 32: the wand's tip must be there.
    void pointerTipIsAtTheHotSpot()
    {
        const QImage pointer = Render_Drawing("app/pointer", 32).toImage();
        QCOMPARE(pointer.size(), QSize(32, 32));
        bool tip = false;
        for (int y = 0; y <= 5; ++y)
            for (int x = 1; x <= 7; ++x)
                tip = tip || qAlpha(pointer.pixel(x, y)) > 160;
        QVERIFY(tip);
        QCOMPARE(qAlpha(pointer.pixel(28, 3)), 0);
    }

    void divinationStartingPictureIsTallerThanWide()
    {
        const QSize size = QSvgRenderer(QStringLiteral(":/pictures/divination/main.svg")).defaultSize();
        QCOMPARE(size, QSize(121, 131));
    }

    void contactSheetIsWritten_data()
    {
        QTest::addColumn<SheetTheme>("theme");
        QTest::newRow("light") << SheetTheme::Light;
        QTest::newRow("dark") << SheetTheme::Dark;
    }

    void contactSheetIsWritten()
    {
        QFETCH(SheetTheme, theme);
        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("sheet.png"));
        QVERIFY(Write_Contact_Sheet(path, theme));
        const QImage sheet(path);
        QVERIFY(!sheet.isNull());
        int pictures = 0;
        for (const CatalogueCase& c : catalogueCases())
            pictures += c.catalogue->size();
        // Every picture has its own 120 px cell on the sheet.
        QVERIFY(qint64(sheet.width()) * sheet.height() > qint64(pictures) * 120 * 120);
        QVERIFY(!Write_Contact_Sheet(directory.filePath(QStringLiteral("missing/sheet.png")), theme));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
