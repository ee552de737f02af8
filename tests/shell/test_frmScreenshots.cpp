#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "moon/frmMoonCalendar.h"
#include "report/frmGemologySave.h"
#include "shell/frmAbout.h"
#include "birthplace/place_atlas.h"
#include "shell/frmMDI.h"
#include "shell/random_source.h"
#include "shell/sub_programs.h"
#include "support/desktop_palettes.h"
#include "support/find_control.h"
#include "support/fixture_atlas.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QPainter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QtTest>

// Walks through every window the way a user would and keeps a picture of each view in
// <build>/screenshots/, so a person can look at them all after a change. With ZEV_SCREENSHOTS
// set (for example "1024x600-dark"), the pictures go into a folder of that name, and "dark" in
// it puts a dark desktop palette in force first. On a real X11 screen each view is also kept as
// the whole screen shows it.
class TestScreenshots : public QObject {
    Q_OBJECT

private:
    QDir folder{QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/") + qEnvironmentVariable("ZEV_SCREENSHOTS")};

    void snap(QWidget* window, const QString& name)
    {
        QTest::qWait(20);
        const QImage image = window->grab().toImage();
        QVERIFY2(!image.isNull() && image.width() >= 400 && image.height() >= 300, qPrintable(name));
        QVERIFY2(image.width() <= 1280 && image.height() <= 800, qPrintable(name + QStringLiteral(" is larger than 1280x800")));
        QVERIFY(image.save(folder.filePath(name + QStringLiteral(".png"))));
        if (QGuiApplication::platformName() == QLatin1String("xcb"))  // the whole screen, as the user sees it
            QVERIFY(window->screen()->grabWindow(0).save(folder.filePath(name + QStringLiteral("-screen.png"))));
    }

    // Several windows as they lie on the screen together, each at its place.
    void snapTogether(const QList<QWidget*>& windows, const QString& name)
    {
        QTest::qWait(20);
        QRect shown;
        for (const QWidget* window : windows)
            shown |= window->frameGeometry();
        QImage image(shown.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        for (QWidget* window : windows)
            painter.drawPixmap(window->geometry().topLeft() - shown.topLeft(), window->grab());
        painter.end();
        QVERIFY(image.save(folder.filePath(name + QStringLiteral(".png"))));
    }

    template <typename T>
    static T* child(QWidget* window, const QString& name) { return Find_Control<T>(window, name); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(PlaceAtlas::useReaderForShared(Fixture_Atlas_Places));  // the same pictures whatever the library holds
        Register_Windows();
        if (qEnvironmentVariable("ZEV_SCREENSHOTS").contains(QStringLiteral("dark")))
            QApplication::setPalette(Dark_Desktop_Palette());
        QVERIFY(folder.mkpath(QStringLiteral(".")));
    }

    void everyWindow()
    {
        frmMDI launcher;
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        QTRY_VERIFY(!child<QLabel>(&launcher, QStringLiteral("lblMoonToday"))->text().isEmpty());  // after the first frame
        snap(&launcher, QStringLiteral("launcher"));
        frmAbout about(&launcher);
        about.show();
        snap(&about, QStringLiteral("about-box"));
        about.close();
        child<QAbstractButton>(&launcher, QStringLiteral("cmdMDIDonate"))->click();
        snap(Sub_Programs::instance(SubWindow::Donation), QStringLiteral("donation"));
        Sub_Programs::instance(SubWindow::Donation)->close();

        child<QAbstractButton>(&launcher, QStringLiteral("cmdSelectOption_2"))->click();
        QWidget* entry = Sub_Programs::instance(SubWindow::Entry);
        snap(entry, QStringLiteral("gemology-entry"));
        child<QLineEdit>(entry, QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
        for (const char* field : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
            child<QLineEdit>(entry, QString::fromLatin1(field))->setText(QStringLiteral("0"));
        child<QComboBox>(entry, QStringLiteral("cboYear"))->setCurrentIndex(99);
        child<QAbstractButton>(entry, QStringLiteral("cmdRashi"))->click();

        QWidget* display = Sub_Programs::instance(SubWindow::Display);
        auto* tabs = child<QTabWidget>(display, QStringLiteral("SSTab1"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            snap(display, QStringLiteral("gemology-display-%1").arg(tab));
        }
        QWidget* report = qobject_cast<frmGemologyDisplay*>(display)->makeReport();
        report->show();
        snap(report, QStringLiteral("gemology-report"));
        report->close();

        child<QAbstractButton>(&launcher, QStringLiteral("cmdSelectOption_1"))->click();
        QWidget* healing = Sub_Programs::instance(SubWindow::Healing);
        snap(healing, QStringLiteral("healing-start"));
        for (int option = 0; option < 4; ++option) {
            child<QRadioButton>(healing, QStringLiteral("optSearch_%1").arg(option))->setChecked(true);
            child<QAbstractButton>(healing, QStringLiteral("cmdNext"))->click();
            if (option == 0)
                child<QComboBox>(healing, QStringLiteral("cboStone"))->setCurrentText(QStringLiteral("Emerald"));
            snap(healing, QStringLiteral("healing-panel-%1").arg(option));
            child<QAbstractButton>(healing, QStringLiteral("cmdBack_%1").arg(option))->click();
        }
        auto* find = child<QLineEdit>(healing, QStringLiteral("txtFind"));
        QTest::keyClicks(find, QStringLiteral("insomnia"));
        snap(healing, QStringLiteral("healing-find-list"));
        find->setText(QStringLiteral("garnet"));
        QTest::keyClick(find, Qt::Key_Return);
        snap(healing, QStringLiteral("healing-found-garnet"));

        child<QAbstractButton>(&launcher, QStringLiteral("cmdSelectOption_0"))->click();
        QWidget* divination = Sub_Programs::instance(SubWindow::Divination);
        snap(divination, QStringLiteral("divination-ready"));
        Random_Source::setForTesting([] { return 16.5 / 31; });  // Coral, the longest reading
        QTest::mouseClick(child<QWidget>(divination, QStringLiteral("picCrystal")), Qt::LeftButton);
        snap(divination, QStringLiteral("divination-drawn"));
        Random_Source::setForTesting({});

        snapTogether({divination, &launcher}, QStringLiteral("launcher-with-sub-program"));

        launcher.findChild<QAction*>(QStringLiteral("mnuMoonCalendar"))->trigger();
        auto* calendar = qobject_cast<frmMoonCalendar*>(Sub_Programs::instance(SubWindow::MoonCalendar));
        calendar->showMonth(2024, 3);
        snap(calendar, QStringLiteral("moon-calendar-2024-03"));
        calendar->showMonth(1901, 1);
        snap(calendar, QStringLiteral("moon-calendar-1901-01"));
        Sub_Programs::closeAll();
    }

    // The place finder's list, drawn over the entry window where it opens, and the zone label
    // for each kind of birth moment.
    void placeFinder()
    {
        QWidget* entry = Sub_Programs::obtain(SubWindow::Entry);
        entry->show();
        QVERIFY(QTest::qWaitForWindowExposed(entry));
        QTRY_VERIFY(PlaceAtlas::shared().index());
        auto* city = child<QLineEdit>(entry, QStringLiteral("txtMCity"));
        QAbstractItemView* list = child<QCompleter>(entry, QStringLiteral("lstPlaces"))->popup();
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("springf"));
        QTest::qWait(20);
        QImage shown = entry->grab().toImage();
        {
            QPainter painter(&shown);
            painter.drawPixmap(list->mapToGlobal(QPoint(0, 0)) - entry->mapToGlobal(QPoint(0, 0)), list->grab());
        }
        QVERIFY(shown.save(folder.filePath(QStringLiteral("gemology-place-list.png"))));
        QTest::keyClick(list, Qt::Key_Escape);

        const auto choose = [&](const char* typed, int year, int month, int day, int hour, int minute) {
            city->clear();
            QTest::keyClicks(city, QString::fromLatin1(typed));
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            child<QComboBox>(entry, QStringLiteral("cboYear"))->setCurrentText(QString::number(year));
            child<QComboBox>(entry, QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
            child<QComboBox>(entry, QStringLiteral("cboDate"))->setCurrentText(QString::number(day));
            child<QComboBox>(entry, QStringLiteral("cboHH"))->setCurrentText(QString::number(hour));
            child<QComboBox>(entry, QStringLiteral("cboMM"))->setCurrentText(QString::number(minute));
        };
        choose("madrid", 1992, 4, 13, 4, 30);
        snap(entry, QStringLiteral("gemology-zone-row-and-box"));
        choose("kathmandu", 1990, 6, 1, 0, 0);
        snap(entry, QStringLiteral("gemology-zone-no-row"));
        choose("jeddah", 1940, 6, 1, 12, 0);
        snap(entry, QStringLiteral("gemology-zone-mean-time"));
        choose("new york", 2021, 3, 14, 2, 30);
        snap(entry, QStringLiteral("gemology-zone-skipped"));
        choose("new york", 2021, 11, 7, 1, 30);
        snap(entry, QStringLiteral("gemology-zone-twice"));
        QTest::mouseClick(child<QCheckBox>(entry, QStringLiteral("chkDST")), Qt::LeftButton);
        snap(entry, QStringLiteral("gemology-zone-by-hand"));

        choose("madrid", 1992, 4, 13, 4, 30);
        child<QLineEdit>(entry, QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
        child<QAbstractButton>(entry, QStringLiteral("cmdRashi"))->click();
        QWidget* display = Sub_Programs::instance(SubWindow::Display);
        child<QTabWidget>(display, QStringLiteral("SSTab1"))->setCurrentIndex(2);
        snap(display, QStringLiteral("gemology-display-moon-from-atlas"));
        Sub_Programs::closeAll();
    }

    // The notes on the moon and sun tabs, at Greenwich in 1990: the Moon entered Cancer at 12:51
    // on 1 April, the Sun entered Leo on 23 July.
    void signNotes()
    {
        const auto read = [&](int month, int day, int hour, int minute, const char* accuracy, int tab, const char* name) {
            QWidget* entry = Sub_Programs::obtain(SubWindow::Entry);
            entry->show();
            child<QLineEdit>(entry, QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
            for (const char* field : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
                child<QLineEdit>(entry, QString::fromLatin1(field))->setText(QStringLiteral("0"));
            child<QComboBox>(entry, QStringLiteral("cboYear"))->setCurrentText(QStringLiteral("1990"));
            child<QComboBox>(entry, QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
            child<QComboBox>(entry, QStringLiteral("cboDate"))->setCurrentText(QString::number(day));
            child<QComboBox>(entry, QStringLiteral("cboHH"))->setCurrentText(QString::number(hour));
            child<QComboBox>(entry, QStringLiteral("cboMM"))->setCurrentText(QString::number(minute));
            child<QComboBox>(entry, QStringLiteral("cboTimeAccuracy"))->setCurrentText(QString::fromLatin1(accuracy));
            child<QAbstractButton>(entry, QStringLiteral("cmdRashi"))->click();
            QWidget* display = Sub_Programs::instance(SubWindow::Display);
            child<QTabWidget>(display, QStringLiteral("SSTab1"))->setCurrentIndex(tab);
            snap(display, QString::fromLatin1(name));
            Sub_Programs::closeAll();
        };
        read(4, 1, 9, 0, "Time not known", 2, "gemology-display-moon-change");
        read(4, 1, 12, 40, "Exact time", 2, "gemology-display-moon-near-change");
        read(7, 23, 12, 0, "Exact time", 1, "gemology-display-sun-cusp");
    }
};

QTEST_MAIN(TestScreenshots)
#include "test_frmScreenshots.moc"
