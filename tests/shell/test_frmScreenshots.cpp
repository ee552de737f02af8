#include "gemmarium.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/random_source.h"
#include "shell/sub_programs.h"
#include "support/find_control.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QtTest>

// Walks through every window the way a user would and keeps a picture of each view in
// <build>/screenshots/, so a person can look at them all after a change.
class TestScreenshots : public QObject {
    Q_OBJECT

private:
    QDir folder{QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots")};

    void snap(QWidget* window, const QString& name)
    {
        QTest::qWait(20);
        const QImage image = window->grab().toImage();
        QVERIFY2(!image.isNull() && image.width() >= 400 && image.height() >= 300, qPrintable(name));
        QVERIFY2(image.width() <= 1280 && image.height() <= 800, qPrintable(name + QStringLiteral(" is larger than 1280x800")));
        QVERIFY(image.save(folder.filePath(name + QStringLiteral(".png"))));
    }

    template <typename T>
    static T* child(QWidget* window, const QString& name) { return Find_Control<T>(window, name); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Register_Windows();
        QVERIFY(folder.mkpath(QStringLiteral(".")));
    }

    void everyWindow()
    {
        frmMDI launcher;
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        snap(&launcher, QStringLiteral("launcher"));

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
        QWidget* report = Sub_Programs::obtain(SubWindow::Report);
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

        child<QAbstractButton>(&launcher, QStringLiteral("cmdSelectOption_0"))->click();
        QWidget* divination = Sub_Programs::instance(SubWindow::Divination);
        snap(divination, QStringLiteral("divination-ready"));
        Random_Source::setForTesting([] { return 16.5 / 31; });  // Coral, the longest reading
        QTest::mouseClick(child<QWidget>(divination, QStringLiteral("picCrystal")), Qt::LeftButton);
        snap(divination, QStringLiteral("divination-drawn"));
        Random_Source::setForTesting({});

        snap(&launcher, QStringLiteral("launcher-with-sub-program"));
        Sub_Programs::closeAll();

        frmAbout about(&launcher);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        snap(&about, QStringLiteral("about"));
    }
};

QTEST_MAIN(TestScreenshots)
#include "test_frmScreenshots.moc"
