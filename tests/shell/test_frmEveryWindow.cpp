#include "divination/frmCrystalDivinationMain.h"
#include "gemology/frmGemologySave.h"
#include "shell/accessible_controls.h"
#include "shell/link_label.h"
#include "shell/picture_box.h"
#include "shell/prompts.h"
#include "shell/random_source.h"
#include "support/desktop_palettes.h"
#include "support/every_window.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QTextEdit>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabBar>
#include <QTimer>
#include <cmath>
#include <map>

// What every window owes every user, walked through every view of every window the program can
// open: readable dialogs under a light and a dark desktop theme, every control on the screen,
// the keyboard, screen readers and one icon.
namespace {

double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double share = value / 255.0;
        return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double one = luminance(a), other = luminance(b);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// A control's text against its background as drawn: the background is the commonest colour in
// the control's box, the text the colour that stands out most from it.
double drawnContrast(const QImage& image, const QRect& box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    if (counts.empty())
        return 21;
    const QRgb ground = std::max_element(counts.begin(), counts.end(),
                                         [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [colour, count] : counts)
        best = std::max(best, contrast(colour, ground));
    return best;
}

QString shownText(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentText();
    return {};
}

// Every enabled text of a dialog that reads at less than 4.5:1 against its background.
QStringList unreadableTexts(QWidget* dialog)
{
    const QImage image = dialog->grab().toImage();
    QStringList unreadable;
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        const QString text = shownText(control).trimmed();
        if (text.isEmpty() || !control->isVisible() || !control->isEnabled())
            continue;
        const QRect box = QRect(control->mapTo(dialog, QPoint(3, 3)), control->size() - QSize(6, 6)) & image.rect();
        const double measured = drawnContrast(image, box);
        if (measured < 4.5)
            unreadable << QStringLiteral("\"%1\" %2:1").arg(text).arg(measured, 0, 'f', 1);
    }
    return unreadable;
}

// Runs a prompt and hands the dialog it shows to look at, then closes it.
void withDialog(const std::function<void()>& prompt, const std::function<void(QWidget*)>& look)
{
    QTimer::singleShot(0, [look] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        look(dialog);
        dialog->close();
    });
    prompt();
}

const std::vector<std::pair<const char*, std::function<void(QWidget*)>>> Every_Prompt = {
    {"message", [](QWidget* window) { Prompts::current().showMessage(window, QStringLiteral("Please Enter Name"), Prompts::Icon::Error); }},
    {"question", [](QWidget* window) { Prompts::current().askYesNo(window, QStringLiteral("Replace the file?")); }},
    {"save dialog", [](QWidget* window) { Prompts::current().askSavePath(window, {QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("rtf")}); }},
    {"printer dialog", [](QWidget* window) { QPrinter printer; Prompts::current().askPrinter(window, printer, false); }},
};

QScrollArea* enclosingScrollArea(QWidget* control)
{
    for (QWidget* up = control->parentWidget(); up; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up))
            return area;
    return nullptr;
}

frmMDI* launcher()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<frmMDI*>(window); found && found->isVisible())
            return found;
    return nullptr;
}

// Reading order: of the first two ancestors that differ (siblings), the upper one comes first,
// unless they lie side by side (their heights overlap); then the left one.
bool comesBefore(const QWidget* a, const QWidget* b)
{
    if (a->isAncestorOf(b) || b->isAncestorOf(a))
        return a->isAncestorOf(b);
    while (!a->parentWidget()->isAncestorOf(b))
        a = a->parentWidget();
    while (b->parentWidget() != a->parentWidget())
        b = b->parentWidget();
    const QRect upper = a->geometry(), lower = b->geometry();
    const int shared = std::min(upper.bottom(), lower.bottom()) - std::max(upper.top(), lower.top());
    if (shared > 0)
        return upper.left() < lower.left();
    return upper.top() < lower.top();
}

QList<QWidget*> tabChain(QWidget* window)
{
    QList<QWidget*> chain;
    for (QWidget* next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() && next->window() == window)
            chain << next;
    return chain;
}

QChar mnemonic(const QString& text)
{
    for (qsizetype at = text.indexOf(QLatin1Char('&')); at >= 0 && at + 1 < text.size(); at = text.indexOf(QLatin1Char('&'), at + 2))
        if (text[at + 1] != QLatin1Char('&'))
            return text[at + 1].toLower();
    return {};
}

const QList<QAccessible::Role> Interactive_Roles = {
    QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::EditableText, QAccessible::List, QAccessible::Link, QAccessible::PageTab, QAccessible::Button};

void walkAccessible(QAccessibleInterface* node, QStringList& faults, QStringList& names)
{
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name);
    if (Interactive_Roles.contains(node->role())) {
        if (name.trimmed().isEmpty())
            faults << QStringLiteral("%1 has no name").arg(node->object() ? node->object()->objectName() : QString());
        else if (node->role() == QAccessible::ComboBox && name == node->text(QAccessible::Value))
            faults << QStringLiteral("%1 is named by its value").arg(name);
        else if (names.contains(name))
            faults << QStringLiteral("two controls are \"%1\"").arg(name);
        names << name;
    }
    if (qobject_cast<LinkLabel*>(node->object()) && node->role() == QAccessible::Link && node->text(QAccessible::Description).isEmpty())
        faults << QStringLiteral("link \"%1\" says not where it leads").arg(name);
    if (auto* picture = qobject_cast<PictureBox*>(node->object());
        picture && !Picture_Description(picture->drawing()).isEmpty() && node->text(QAccessible::Description).isEmpty())
        faults << QStringLiteral("%1 does not say what it shows").arg(picture->objectName());
    for (int child = 0; child < node->childCount(); ++child)
        walkAccessible(node->child(child), faults, names);
}

}  // namespace

class TestEveryWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        Set_Program_Identity();
    }
    void cleanup() { QApplication::setPalette(Light_Desktop_Palette()); }

    void dialogsAreReadableUnderEitherTheme_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }

    void dialogsAreReadableUnderEitherTheme()
    {
        QFETCH(bool, dark);
        QApplication::setPalette(dark ? Dark_Desktop_Palette() : Light_Desktop_Palette());
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            if (view.name.contains(QStringLiteral(" tab ")) || view.name.contains(QStringLiteral(" page ")))
                return;
            for (const auto& [kind, prompt] : Every_Prompt)
                withDialog([&, window = view.window] { prompt(window); }, [&](QWidget* dialog) {
                    for (const QString& text : unreadableTexts(dialog))
                        faults << QStringLiteral("%1 of %2: %3").arg(QLatin1String(kind), view.name, text);
                    if (dialog->windowTitle() != Program_Title)
                        faults << QStringLiteral("%1 of %2 is titled %3").arg(QLatin1String(kind), view.name, dialog->windowTitle());
                    if (dialog->windowIcon().isNull())
                        faults << QStringLiteral("%1 of %2 has no icon").arg(QLatin1String(kind), view.name);
                });
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void saveDialogStartsEmptyInDocuments()
    {
        QWidget window;
        QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
        withDialog([&] { Every_Prompt[2].second(&window); }, [](QWidget* shown) {
            auto* dialog = qobject_cast<QFileDialog*>(shown);
            QVERIFY(dialog);
            QCOMPARE(dialog->directory().absolutePath(),
                     QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absolutePath());
            QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), QString());
        });
    }

    void everyControlCanBeReachedOnTheScreen()
    {
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            const QRect screen = view.window->screen()->availableGeometry();
            if (!screen.contains(view.window->frameGeometry()))
                faults << QStringLiteral("%1 lies beyond the screen").arg(view.name);
            if (frmMDI* docked = launcher(); view.subProgram && docked && docked->frameGeometry().intersects(view.window->frameGeometry()))
                faults << QStringLiteral("%1 covers the launcher").arg(view.name);
            if (view.window == launcher() && view.window->height() > view.window->sizeHint().height() &&
                !Find_Control<QWidget>(view.window, QStringLiteral("picMain"))->isVisible())
                faults << QStringLiteral("the docked launcher stretches its strips");
            for (QAbstractButton* button : view.window->findChildren<QAbstractButton*>()) {
                if (!button->isVisible())
                    continue;
                if (QScrollArea* area = enclosingScrollArea(button))
                    area->ensureWidgetVisible(button, 0, 0);
                const QRect place(button->mapToGlobal(QPoint(0, 0)), button->size());
                if (!screen.contains(place) || button->visibleRegion().boundingRect() != button->rect())
                    faults << QStringLiteral("%1: %2 cannot be reached").arg(view.name, button->objectName());
            }
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void nothingIsCutAtTheSmallestSize()
    {
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            const QSize size = view.window->size();
            view.window->resize(1, 1);
            QCoreApplication::sendPostedEvents();
            for (QWidget* control : view.window->findChildren<QWidget*>()) {
                const bool isControl = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                                       qobject_cast<QComboBox*>(control);
                const QSize needed = control->minimumSizeHint();
                if (isControl && control->isVisible() && (control->width() < needed.width() || control->height() < needed.height()))
                    faults << QStringLiteral("%1: %2 is cut").arg(view.name, control->objectName());
            }
            view.window->resize(size);
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void tabFollowsTheVisualOrder()
    {
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            const QList<QWidget*> chain = tabChain(view.window);
            QStringList backwards;
            for (qsizetype at = 0; at < chain.size(); ++at) {
                const QWidget* from = chain[at];
                const QWidget* to = chain[(at + 1) % chain.size()];
                if (!comesBefore(from, to))
                    backwards << from->objectName() + QStringLiteral(" -> ") + to->objectName();
            }
            if (backwards.size() > 1)  // the one step back is from the last control to the first
                faults << view.name + QStringLiteral(": ") + backwards.join(QStringLiteral(", "));
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void mnemonicsAreUniqueInEachWindow()
    {
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            std::map<QChar, QStringList> owners;
            const auto claim = [&](const QString& text) {
                if (const QChar key = mnemonic(text); !key.isNull())
                    owners[key] << text;
            };
            for (QAbstractButton* button : view.window->findChildren<QAbstractButton*>())
                if (button->isVisible())
                    claim(button->text());
            for (QLabel* label : view.window->findChildren<QLabel*>())
                if (label->isVisible() && label->buddy())
                    claim(label->text());
            for (QGroupBox* frame : view.window->findChildren<QGroupBox*>())
                if (frame->isVisible())
                    claim(frame->title());
            for (QTabBar* tabs : view.window->findChildren<QTabBar*>())
                for (int tab = 0; tab < tabs->count() && tabs->isVisible(); ++tab)
                    claim(tabs->tabText(tab));
            if (auto* bar = view.window->findChild<QMenuBar*>())
                for (QAction* item : bar->actions())
                    claim(item->text());
            for (const auto& [key, texts] : owners)
                if (texts.size() > 1)
                    faults << QStringLiteral("%1: Alt+%2 is %3").arg(view.name, key, texts.join(QStringLiteral(" and ")));
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void everyControlTellsScreenReadersWhatItIs()
    {
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            QStringList problems, names;
            walkAccessible(QAccessible::queryAccessibleInterface(view.window), problems, names);
            for (const QString& problem : problems)
                faults << view.name + QStringLiteral(": ") + problem;
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void everyWindowShowsTheProgramIcon()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.quillmere.ZevGemmarium"));
        QStringList bare;
        Visit_Every_Window([&](const WindowView& view) {
            if (view.window->windowIcon().pixmap(32).isNull())
                bare << view.name;
        });
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QStringLiteral(", "))));
    }

    void theCrystalIsDrawnFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }

    void theCrystalIsDrawnFromTheKeyboard()
    {
        QFETCH(int, key);
        frmCrystalDivinationMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Random_Source::setForTesting([] { return 0.0; });
        auto* picture = Find_Control<PictureBox>(&window, QStringLiteral("picCrystal"));
        QVERIFY(picture->focusPolicy() & Qt::TabFocus);
        picture->setFocus();
        QTest::keyClick(picture, Qt::Key(key));
        Random_Source::setForTesting({});
        QCOMPARE(Find_Control<QLabel>(&window, QStringLiteral("lblCrystalName"))->text(), QStringLiteral("Red Jasper"));
        QVERIFY(!picture->isEnabled());
    }

    void linksAndDescriptionsTakeTheFocus()
    {
        UrlCatcher urls;
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            for (LinkLabel* link : view.window->findChildren<LinkLabel*>()) {
                if (!link->isVisible() || qobject_cast<CaptionLabel*>(link))
                    continue;
                const qsizetype opened = urls.opened.size();
                QTest::keyClick(link, Qt::Key_Return);
                if (!(link->focusPolicy() & Qt::TabFocus) || urls.opened.size() != opened + 1)
                    faults << view.name + QStringLiteral(": Enter on ") + link->objectName() + QStringLiteral(" opens nothing");
            }
            for (QAbstractScrollArea* box : view.window->findChildren<QAbstractScrollArea*>())
                if (!qobject_cast<QScrollArea*>(box) && box->isVisible() && !(box->focusPolicy() & Qt::TabFocus) &&
                    !qobject_cast<QAbstractItemView*>(box))
                    faults << view.name + QStringLiteral(": ") + box->objectName() + QStringLiteral(" takes no focus");
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void everyWindowHasOneLook()
    {
        QStringList faults;
        Visit_Every_Window([&](const WindowView& view) {
            if (auto* bar = view.window->findChild<QMenuBar*>(); bar && bar->isVisible() &&
                luminance(bar->grab().toImage().pixel(bar->width() - 2, bar->height() / 2)) > 0.2)
                faults << view.name + QStringLiteral(": light menu bar");
            for (LinkLabel* link : view.window->findChildren<LinkLabel*>())
                if (!qobject_cast<CaptionLabel*>(link) && !link->font().underline())
                    faults << view.name + QStringLiteral(": ") + link->objectName() + QStringLiteral(" is not underlined");
            for (QAbstractScrollArea* box : view.window->findChildren<QAbstractScrollArea*>())
                if (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || box->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
                    faults << view.name + QStringLiteral(": ") + box->objectName() + QStringLiteral(" always shows a scroll bar");
        });
        withDialog([] { Every_Prompt[0].second(nullptr); }, [&](QWidget* box) {
            if (box->width() < box->fontMetrics().horizontalAdvance(Program_Title) + 160)
                faults << QStringLiteral("a message box is too narrow for its title");
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void standardShortcuts()
    {
        ScriptedPrompts prompts;
        frmGemologySave report(ReportTexts{});
        report.show();
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        QTest::keySequence(&report, QKeySequence::Save);
        QCOMPARE(prompts.saveRequests.size(), 1);
        QTest::keySequence(&report, QKeySequence::Print);
        QCOMPARE(prompts.printerSelectionPresets.size(), 1);
        QTest::keyClick(&report, Qt::Key_Escape);
        QVERIFY(!report.isVisible());

        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }

    void reportOpensAtItsFirstLine()
    {
        ReportTexts texts;
        texts.birthStone = QStringLiteral("Garnet");
        texts.birthStoneText = texts.sunText = texts.moonText = QString(3000, QLatin1Char('x')).replace(QLatin1String("xxxxxxx"), QLatin1String("xxxxxx "));
        frmGemologySave report(texts);
        report.show();
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        auto* box = Find_Control<QTextEdit>(&report, QStringLiteral("RTB"));
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(box->textCursor().position(), box->document()->characterCount() - 1);
    }
};

QTEST_MAIN(TestEveryWindow)
#include "test_frmEveryWindow.moc"
