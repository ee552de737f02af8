#include "shell/prompts.h"
#include "support/desktop_palettes.h"
#include "support/every_window.h"

#include <QDirIterator>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <cmath>

// The program's look comes from its theme and its style alone: no window, control or dialog
// carries a style sheet, and the theme gives the key controls their colours whatever the
// desktop's palette.
namespace {

double luminance(const QColor& colour)
{
    const auto linear = [](double share) { return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QWidget* child(QWidget* window, const char* name) { return Find_Control<QWidget>(window, QString::fromLatin1(name)); }

// The colour drawn at a point of a control, as the user sees it.
QColor drawnAt(QWidget* control, QPoint at)
{
    return control->grab().toImage().pixelColor(at);
}

}  // namespace

class TestTheme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QApplication::setPalette(Light_Desktop_Palette()); }

    void noSourceSetsAStyleSheet()
    {
        const QString sources = qEnvironmentVariable("ZEV_SOURCE_DIR") + QStringLiteral("/src");
        QVERIFY(QDir(sources).exists());
        QStringList faults;
        QDirIterator files(sources, {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")}, QDir::Files,
                           QDirIterator::Subdirectories);
        int read = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++read;
            if (file.readAll().toLower().contains("stylesheet"))
                faults << file.fileName();
        }
        QVERIFY(read > 50);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void noWindowOrControlHasAStyleSheet()
    {
        QStringList faults;
        int controls = 0;
        Visit_Every_Window([&](const WindowView& view) {
            if (!qApp->styleSheet().isEmpty())
                faults << QStringLiteral("the application, at ") + view.name;
            QList<QWidget*> all = view.window->findChildren<QWidget*>();
            all << view.window;
            for (QWidget* control : all) {
                ++controls;
                if (!control->styleSheet().isEmpty())
                    faults << view.name + QLatin1Char(' ') + control->objectName();
            }
        });
        QVERIFY(controls > 500);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The launcher's captions, menu bar and buttons in the program's colours, under a light and
    // a dark desktop alike.
    void theLauncherWearsTheProgramsColours_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }

    void theLauncherWearsTheProgramsColours()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? Dark_Desktop_Palette() : Light_Desktop_Palette());
        Register_Windows();
        frmMDI launcher;
        launcher.show();
        QVERIFY(QTest::qWaitForWindowExposed(&launcher));
        const struct {
            const char* caption;
            QColor colour;
            qreal pointSize;
            bool bold;
        } captions[] = {
            {"lblCaption_0", QColor(0x00, 0xff, 0xff), 22, true}, {"lblCaption_1", QColor(0xff, 0x30, 0x30), 11, false},
            {"lblCaption_2", QColor(0x00, 0xff, 0xff), 14, false}, {"lblCaption_3", QColor(0xff, 0xff, 0x00), 15, true},
            {"lblCaption_4", QColor(0xff, 0x00, 0xff), 15, true},  {"lblCaption_5", QColor(0x00, 0xff, 0x00), 15, true},
        };
        for (const auto& [name, colour, pointSize, bold] : captions) {
            QWidget* caption = child(&launcher, name);
            QCOMPARE(caption->palette().color(QPalette::WindowText), colour);
            QCOMPARE(caption->font().pointSizeF(), pointSize);
            QCOMPARE(caption->font().bold(), bold);
        }
        auto* menus = launcher.findChild<QMenuBar*>();
        QCOMPARE(drawnAt(menus, QPoint(menus->width() - 3, menus->height() / 2)), QColor(0x0b, 0x10, 0x28));
        QCOMPARE(menus->palette().color(QPalette::ButtonText), QColor(0xe8, 0xe6, 0xf0));
        QWidget* button = child(&launcher, "cmdSelectOption_1");
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(Qt::white));
        QVERIFY(contrast(drawnAt(button, button->rect().center() + QPoint(0, 8)), Qt::white) >= 4.5);
    }

    // The display window in its wine red, its captions green and its values cyan.
    void theDisplayWearsItsReds()
    {
        QApplication::setPalette(Dark_Desktop_Palette());
        bool seen = false;
        Visit_Every_Window([&](const WindowView& view) {
            if (view.name != QLatin1String("gemology display"))
                return;
            seen = true;
            QCOMPARE(drawnAt(child(view.window, "centralWidget"), QPoint(3, 3)), QColor(0x1d, 0x06, 0x06));
            QCOMPARE(child(view.window, "lblBirthStoneLuckyCaption")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
            QCOMPARE(child(view.window, "lblBirthStoneAvoidStone")->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        });
        QVERIFY(seen);
    }

    // A message box reads light text on the program's deep blue, under either desktop.
    void aMessageBoxReadsLightOnBlue_data() { theLauncherWearsTheProgramsColours_data(); }

    void aMessageBoxReadsLightOnBlue()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? Dark_Desktop_Palette() : Light_Desktop_Palette());
        Register_Windows();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QColor ground = drawnAt(box, QPoint(2, 2));
            QCOMPARE(ground, QColor(0x11, 0x19, 0x36));
            QVERIFY(contrast(text->palette().color(QPalette::WindowText), ground) >= 7);
            QVERIFY(text->width() >= 240);
            box->close();
        });
        Prompts::current().showMessage(nullptr, QStringLiteral("Please Enter Name"), Prompts::Icon::Error);
        QVERIFY2(seen, "no message box appeared");
    }

    // A message of many long lines is wrapped within the box, never cut off at its right edge.
    void aLongMessageIsWrappedWhole()
    {
        Register_Windows();
        const QString line = QStringLiteral("Importing this file would add 1 person; 1 person is in the book already and is left as it is.");
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            const QRect inBox(text->mapTo(box, QPoint()), text->size());
            QVERIFY(box->rect().contains(inBox));
            QVERIFY2(text->heightForWidth(text->width()) <= text->height(), "the text is taller than its label");
            QVERIFY2(text->wordWrap() || text->minimumSizeHint().width() <= text->width(), "the text is wider than its label");
            box->close();
        });
        Prompts::current().showMessage(nullptr, line + QLatin1Char('\n') + line + QLatin1Char('\n') + line, Prompts::Icon::Information);
        QVERIFY2(seen, "no message box appeared");
    }
};

QTEST_MAIN(TestTheme)
#include "test_frmTheme.moc"
