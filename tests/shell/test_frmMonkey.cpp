#include "gemmarium.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <random>

namespace {

// Every message the program may show; anything else means a text went astray.
const QStringList Known_Messages = {
    QStringLiteral("^Please Enter Name$"),
    QStringLiteral("^Please Enter Value Between 0 And (179|89) in the Degree of (Longitude|Latitude)$"),
    QStringLiteral("^Please Enter Value Between 0 And 59 in the  Minute of (Longitude|Latitude)$"),
    QStringLiteral("^Please Enter Correct Date Or Month ?!$"),
    QStringLiteral("^Only Numbers Are Accepted$"),
    QStringLiteral("^Please Enter only Letters$"),
    QStringLiteral("^Please Enter (City|State|Country)$"),
    QStringLiteral("^Please Select A Search Option$"),
    QStringLiteral("^The report could not be (saved|printed)"),
};

bool isKnownMessage(const QString& text)
{
    for (const QString& pattern : Known_Messages) {
        if (QRegularExpression(pattern).match(text).hasMatch())
            return true;
    }
    return false;
}

// The sub-program a managed window belongs to (the three gemology windows are one program).
int programOf(SubWindow kind)
{
    switch (kind) {
    case SubWindow::Divination: return 0;
    case SubWindow::Healing: return 1;
    case SubWindow::MoonCalendar: return 3;
    default: return 2;
    }
}

template <typename T>
QList<T*> usable(QWidget* window)
{
    QList<T*> found;
    for (T* widget : window->findChildren<T*>()) {
        if (widget->isVisible() && widget->isEnabled())
            found.append(widget);
    }
    return found;
}

}  // namespace

// Random clicks, keys, pasted text, choices, menu actions and window changes across every window,
// with the program's promises checked after each event. A failure names its seed and step.
class TestMonkey : public QObject {
    Q_OBJECT

private:
    std::mt19937 random;
    QTemporaryDir scratch;
    ScriptedPrompts* prompts = nullptr;
    QPointer<frmMDI> launcher;
    int depth = 0;

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool chance(int percent) { return pick(100) < percent; }

    QString randomText()
    {
        static const QStringList pieces = {
            QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral("7"), QStringLiteral("0"),
            QStringLiteral(" "), QStringLiteral("-"), QStringLiteral("."), QStringLiteral("&"),
            QStringLiteral("#"), QStringLiteral("é"), QStringLiteral("٣"), QStringLiteral("東京"),
            QStringLiteral("😀"), QStringLiteral("\t"), QStringLiteral("\n"), QStringLiteral("\r"),
            QString(QChar(0)), QStringLiteral("\\{}"), QStringLiteral("12abc"), QStringLiteral("179"),
            QStringLiteral("60"),
        };
        QString text;
        const int length = chance(2) ? 5000 : pick(12);
        for (int i = 0; i < length; ++i)
            text += pieces[pick(int(pieces.size()))];
        return text;
    }

    // Types each character as one keystroke; characters no key of the test keyboard carries
    // arrive as key events with their text, the way an input method delivers them.
    static void typeInto(QWidget* field, const QString& text)
    {
        for (QChar c : text) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
                QTest::keyClick(field, char(c.unicode()));
            } else {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(field, &press);
            }
        }
    }

    void answerTheNextDialogs()
    {
        prompts->yesNoAnswers = {chance(50)};
        prompts->savePaths.clear();
        if (chance(20))
            prompts->savePaths = {scratch.filePath(QStringLiteral("report%1").arg(pick(3)))};
        prompts->printToPdf = chance(10) ? scratch.filePath(QStringLiteral("print.pdf")) : QString();
    }

    QList<QWidget*> openWindows() const
    {
        QList<QWidget*> windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                windows.append(window);
        }
        return windows;
    }

    void act(QWidget* window)
    {
        answerTheNextDialogs();
        switch (pick(9)) {
        case 0:
        case 1: {
            const auto buttons = usable<QAbstractButton>(window);
            if (!buttons.isEmpty())
                QTest::mouseClick(buttons[pick(int(buttons.size()))], Qt::LeftButton);
            break;
        }
        case 2: {
            const auto lists = usable<QComboBox>(window);
            if (!lists.isEmpty() && lists.constFirst()->count() > 0) {
                QComboBox* list = lists[pick(int(lists.size()))];
                if (list->count() > 0)
                    list->setCurrentIndex(pick(list->count()));
            }
            break;
        }
        case 3: {
            const auto lists = usable<QListWidget>(window);
            if (!lists.isEmpty()) {
                QListWidget* list = lists[pick(int(lists.size()))];
                if (list->count() > 0)
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(list->item(pick(list->count()))).center());
            }
            break;
        }
        case 4: {
            const auto fields = usable<QLineEdit>(window);
            if (!fields.isEmpty()) {
                QLineEdit* field = fields[pick(int(fields.size()))];
                if (chance(50))
                    typeInto(field, randomText().left(20));
                else
                    field->insert(randomText());  // pasted: no keystroke filter acts
            }
            break;
        }
        case 5: {
            QList<QAction*> actions;
            for (QAction* action : window->findChildren<QAction*>()) {
                if (action->isEnabled() && !action->isSeparator() && !action->menu())
                    actions.append(action);
            }
            if (!actions.isEmpty())
                actions[pick(int(actions.size()))]->trigger();
            break;
        }
        case 6: {
            const auto tabs = usable<QTabWidget>(window);
            if (!tabs.isEmpty())
                tabs.constFirst()->setCurrentIndex(pick(tabs.constFirst()->count()));
            break;
        }
        case 7: {
            const auto widgets = usable<QWidget>(window);
            if (!widgets.isEmpty()) {
                QWidget* target = widgets[pick(int(widgets.size()))];
                QTest::mouseMove(target);
                if (chance(30))
                    QTest::mouseClick(target, Qt::LeftButton);
            }
            break;
        }
        case 8:
            if (window != launcher && chance(30))
                window->close();
            break;
        }
    }

    // Modal windows run their own loop: play in them a little, then close them.
    void playInModalWindows()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || depth > 2)
            return;
        ++depth;
        for (int step = 0; step < 4 && modal->isVisible(); ++step)
            act(modal);
        modal->close();
        --depth;
    }

    void checkPromises(const QString& where)
    {
        int openPrograms = 0;
        bool seen[4] = {};
        for (SubWindow kind : {SubWindow::Divination, SubWindow::Healing, SubWindow::Entry,
                               SubWindow::Display, SubWindow::Report, SubWindow::MoonCalendar}) {
            QWidget* window = Sub_Programs::instance(kind);
            if (window && window->isVisible() && !seen[programOf(kind)]) {
                seen[programOf(kind)] = true;
                ++openPrograms;
            }
        }
        QVERIFY2(openPrograms <= 1, qPrintable(where + QStringLiteral(": several sub-programs open")));
        if (launcher && launcher->isVisible()) {
            auto* panel = launcher->findChild<QWidget*>(QStringLiteral("picMain"));
            QVERIFY2(panel->isVisible() == (openPrograms == 0),
                     qPrintable(where + QStringLiteral(": welcome panel shown %1 with %2 sub-programs open")
                                            .arg(panel->isVisible())
                                            .arg(openPrograms)));
        }
        for (const auto& shown : prompts->messages)
            QVERIFY2(isKnownMessage(shown.text), qPrintable(where + QStringLiteral(": unknown message ") + shown.text));
        prompts->messages.clear();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Register_Windows();
    }

    void randomUseNeverBreaksAPromise_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("events");
        const QByteArray replay = qgetenv("ZEV_MONKEY_SEED");
        if (!replay.isEmpty()) {
            QTest::newRow("replayed seed") << replay.toUInt() << 20000;
            return;
        }
        for (unsigned seed : {1u, 2u, 3u, 4u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << 5000;
    }

    void randomUseNeverBreaksAPromise()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, events);
        random.seed(seed);
        ScriptedPrompts scripted;
        prompts = &scripted;
        UrlCatcher urls;
        QTimer modalPlayer;
        connect(&modalPlayer, &QTimer::timeout, this, &TestMonkey::playInModalWindows);
        modalPlayer.start(0);

        for (int event = 0; event < events; ++event) {
            const QString where = QStringLiteral("seed %1, event %2 (replay with ZEV_MONKEY_SEED=%1)")
                                      .arg(seed)
                                      .arg(event);
            if (!launcher || !launcher->isVisible()) {
                Sub_Programs::closeAll();
                launcher = new frmMDI;
                launcher->setAttribute(Qt::WA_DeleteOnClose);
                launcher->show();
            }
            const QList<QWidget*> windows = openWindows();
            act(windows[pick(int(windows.size()))]);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            checkPromises(where);
            if (QTest::currentTestFailed())
                return;
            urls.opened.clear();
        }
        Sub_Programs::closeAll();
        delete launcher;
        prompts = nullptr;
    }
};

QTEST_MAIN(TestMonkey)
#include "test_frmMonkey.moc"
