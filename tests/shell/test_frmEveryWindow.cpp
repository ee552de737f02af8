#include "divination/frmCrystalDivinationMain.h"
#include "report/frmGemologySave.h"
#include "shell/widgets/accessible_controls.h"
#include "shell/widgets/link_label.h"
#include "shell/widgets/picture_box.h"
#include "shell/random_source.h"
#include "support/desktop_palettes.h"
#include "support/every_window.h"
#include "support/scripted_prompts.h"
#include "support/url_catcher.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>

// What every window owes every user, checked in every view of every window the program opens.
namespace {

using Faults = QStringList;

// Runs the check on every view and fails with every fault it finds.
void checkEveryView(const std::function<void(const WindowView&, Faults&)>& check)
{
    Faults faults;
    Visit_Every_Window([&](const WindowView& view) { check(view, faults); });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

double luminance(QRgb colour)
{
    const auto linear = [](int value) {
        const double share = value / 255.0;
        return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

// A control's text against its background as drawn: the background is the commonest colour of
// its box, the text the colour that stands out most from it.
double drawnContrast(const QImage& image, const QRect& box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    const double ground = luminance(std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first);
    double best = 1;
    for (const auto& [colour, count] : counts)
        best = std::max(best, (std::max(ground, luminance(colour)) + 0.05) / (std::min(ground, luminance(colour)) + 0.05));
    return best;
}

QString shownText(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text().trimmed();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    auto* list = qobject_cast<const QComboBox*>(control);
    return list ? list->currentText() : QString();
}

// Runs a prompt and hands the dialog it shows to look at, then closes it. Fails when the prompt
// shows no dialog.
void withDialog(const std::function<void()>& prompt, const std::function<void(QWidget*)>& look)
{
    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            watch.stop();
            shown = true;
            look(dialog);
            dialog->close();
        }
    });
    watch.start(0);
    prompt();
    watch.stop();
    QVERIFY2(shown, "a prompt showed no dialog");
}

const std::vector<std::pair<QString, std::function<void(QWidget*)>>> Every_Prompt = {
    {"message", [](QWidget* asking) { Prompts::current().showMessage(asking, "Please Enter Name", Prompts::Icon::Error); }},
    {"question", [](QWidget* asking) { Prompts::current().askYesNo(asking, "Replace the file?"); }},
    {"save dialog", [](QWidget* asking) { Prompts::current().askSavePath(asking, {"Rich Text Format (*.rtf)", "rtf"}); }},
    {"printer dialog", [](QWidget* asking) { QPrinter printer; Prompts::current().askPrinter(asking, printer, false); }},
};

frmMDI* dockedLauncher()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* launcher = qobject_cast<frmMDI*>(window); launcher && launcher->isVisible())
            return launcher;
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
    const QRect first = a->geometry(), second = b->geometry();
    if (std::min(first.bottom(), second.bottom()) > std::max(first.top(), second.top()))
        return first.left() < second.left();
    return first.top() < second.top();
}

QChar mnemonic(const QString& text)
{
    const qsizetype at = QString(text).replace(QLatin1String("&&"), QLatin1String("  ")).indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

void walkAccessible(QAccessibleInterface* node, Faults& faults, QStringList& names)
{
    if (!node || node->state().invisible)
        return;
    static const QList<QAccessible::Role> interactive = {
        QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox, QAccessible::EditableText,
        QAccessible::List, QAccessible::Link, QAccessible::PageTab, QAccessible::Button};
    const QString name = node->text(QAccessible::Name), what = node->object() ? node->object()->objectName() : name;
    if (interactive.contains(node->role())) {
        if (name.trimmed().isEmpty() || names.contains(name) ||
            (node->role() == QAccessible::ComboBox && name == node->text(QAccessible::Value)))
            faults << QStringLiteral("%1 is named \"%2\"").arg(what, name);
        names << name;
    }
    if (qobject_cast<LinkLabel*>(node->object()) && node->role() == QAccessible::Link && node->text(QAccessible::Description).isEmpty())
        faults << what + QStringLiteral(" says not where it leads");
    if (auto* picture = qobject_cast<PictureBox*>(node->object()); picture && node->text(QAccessible::Description) != Picture_Description(picture->drawing()))
        faults << what + QStringLiteral(" does not say what it shows");
    if (node->role() == QAccessible::ComboBox) {
        // A list's items are its own, read through the list: the chosen one is selected.
        QAccessibleInterface* items = node->childCount() > 0 ? node->child(0) : nullptr;
        const QList<QAccessibleInterface*> chosen =
            items && items->tableInterface() ? items->tableInterface()->selectedCells() : QList<QAccessibleInterface*>{};
        const QString value = node->text(QAccessible::Value);
        const bool shown = value.isEmpty() ? chosen.isEmpty() : chosen.size() == 1 && chosen.first()->text(QAccessible::Name) == value;
        if (!items || items->role() != QAccessible::List || !shown)
            faults << what + QStringLiteral(" gives no list of items with its value \"%1\" chosen").arg(value);
        return;
    }
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
        QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
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
        checkEveryView([](const WindowView& view, Faults& faults) {
            if (view.name.contains(QLatin1String(" page ")))
                return;
            for (const auto& [kind, prompt] : Every_Prompt)
                withDialog([&, asking = view.window] { prompt(asking); }, [&](QWidget* dialog) {
                    const QString where = kind + QStringLiteral(" of ") + view.name;
                    const QImage image = dialog->grab().toImage();
                    for (QWidget* control : dialog->findChildren<QWidget*>()) {
                        const QRect box = QRect(control->mapTo(dialog, QPoint(3, 3)), control->size() - QSize(6, 6)) & image.rect();
                        if (control->isVisible() && control->isEnabled() && !shownText(control).isEmpty() && drawnContrast(image, box) < 4.5)
                            faults << where + QStringLiteral(": \"%1\" at %2:1").arg(shownText(control)).arg(drawnContrast(image, box), 0, 'f', 1);
                    }
                    if (dialog->windowTitle() != Program_Title || dialog->windowIcon().isNull())
                        faults << where + QStringLiteral(" has another title or no icon");
                    if (auto* files = qobject_cast<QFileDialog*>(dialog);
                        files && (files->directory() != QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) ||
                                  !files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text().isEmpty()))
                        faults << where + QStringLiteral(" starts elsewhere than empty in Documents");
                    if (qobject_cast<QMessageBox*>(dialog) && dialog->width() < dialog->fontMetrics().horizontalAdvance(Program_Title) + 160)
                        faults << where + QStringLiteral(" is too narrow for its title");
                });
        });
    }

    void everyControlCanBeReachedOnTheScreen()
    {
        checkEveryView([](const WindowView& view, Faults& faults) {
            const QRect screen = view.window->screen()->availableGeometry();
            const frmMDI* launcher = dockedLauncher();
            if (!screen.contains(view.window->frameGeometry()) ||
                (view.subProgram && launcher->frameGeometry().intersects(view.window->frameGeometry())))
                faults << view.name + QStringLiteral(" lies beyond the screen or over the launcher");
            if (view.window == launcher && !Find_Control<QWidget>(launcher, QStringLiteral("picMain"))->isVisible() &&
                launcher->height() > launcher->sizeHint().height())
                faults << view.name + QStringLiteral(" stretches its strips");
            for (QAbstractButton* button : view.window->findChildren<QAbstractButton*>()) {
                if (!button->isVisible())
                    continue;
                for (QWidget* up = button->parentWidget(); up; up = up->parentWidget())
                    if (auto* area = qobject_cast<QScrollArea*>(up))
                        area->ensureWidgetVisible(button, 0, 0);
                if (!screen.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())) ||
                    button->visibleRegion().boundingRect() != button->rect())
                    faults << view.name + QStringLiteral(": ") + button->objectName() + QStringLiteral(" cannot be reached");
            }
        });
    }

    void nothingIsCutAtTheSmallestSize()
    {
        checkEveryView([](const WindowView& view, Faults& faults) {
            const QSize size = view.window->size();
            view.window->resize(1, 1);
            for (QWidget* control : view.window->findChildren<QWidget*>()) {
                const QSize needed = control->minimumSizeHint();
                if ((qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control)) &&
                    control->isVisible() && (control->width() < needed.width() || control->height() < needed.height()))
                    faults << view.name + QStringLiteral(": ") + control->objectName() + QStringLiteral(" is cut");
            }
            view.window->resize(size);
        });
    }

    // Round the Tab order: the window's own controls in reading order, then the links to the
    // vendor's pages, in reading order too.
    void tabFollowsTheVisualOrder()
    {
        checkEveryView([](const WindowView& view, Faults& faults) {
            QList<QWidget*> ring;
            for (QWidget* next = view.window->nextInFocusChain(); next != view.window; next = next->nextInFocusChain())
                if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() && next->window() == view.window)
                    ring << next;
            const auto isVendorLink = [](const QWidget* control) {
                return control->accessibleDescription().endsWith(QLatin1String("in the web browser"));
            };
            const auto firstControl = std::find_if_not(ring.begin(), ring.end(), isVendorLink);
            std::rotate(ring.begin(), firstControl, ring.end());
            QList<QWidget*> controls, vendorLinks;
            for (QWidget* control : ring) {
                if (!isVendorLink(control) && !vendorLinks.isEmpty())
                    faults << view.name + QStringLiteral(": %1 comes after the link %2").arg(control->objectName(), vendorLinks.last()->objectName());
                (isVendorLink(control) ? vendorLinks : controls) << control;
            }
            for (const QList<QWidget*>& chain : {controls, vendorLinks}) {
                QStringList backwards;
                for (qsizetype at = 0; at + 1 < chain.size(); ++at)
                    if (!comesBefore(chain[at], chain[at + 1]))
                        backwards << chain[at]->objectName() + QStringLiteral(" -> ") + chain[at + 1]->objectName();
                if (!backwards.isEmpty())
                    faults << view.name + QStringLiteral(": ") + backwards.join(QStringLiteral(", "));
            }
        });
    }

    void mnemonicsAreUniqueInEachWindow()
    {
        checkEveryView([](const WindowView& view, Faults& faults) {
            QStringList texts;
            for (QWidget* control : view.window->findChildren<QWidget*>()) {
                auto* label = qobject_cast<QLabel*>(control);
                if (control->isVisible() && (qobject_cast<QAbstractButton*>(control) || (label && label->buddy())))
                    texts << shownText(control);
                if (auto* frame = qobject_cast<QGroupBox*>(control); frame && frame->isVisible())
                    texts << frame->title();
                if (auto* tabs = qobject_cast<QTabBar*>(control); tabs && tabs->isVisible())
                    for (int tab = 0; tab < tabs->count(); ++tab)
                        texts << tabs->tabText(tab);
            }
            if (auto* bar = view.window->findChild<QMenuBar*>())
                for (QAction* item : bar->actions())
                    texts << item->text();
            std::map<QChar, QStringList> owners;
            for (const QString& text : texts)
                if (!mnemonic(text).isNull())
                    owners[mnemonic(text)] << text;
            for (const auto& [key, owning] : owners)
                if (owning.size() > 1)
                    faults << view.name + QStringLiteral(": Alt+%1 is ").arg(key) + owning.join(QStringLiteral(" and "));
        });
    }

    void everyControlTellsScreenReadersWhatItIs()
    {
        checkEveryView([](const WindowView& view, Faults& faults) {
            QStringList names;
            Faults found;
            walkAccessible(QAccessible::queryAccessibleInterface(view.window), found, names);
            for (const QString& fault : found)
                faults << view.name + QStringLiteral(": ") + fault;
        });
    }

    void everyWindowHasOneLookAndTheProgramIcon()
    {
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.quillmere.ZevGemmarium"));
        checkEveryView([](const WindowView& view, Faults& faults) {
            if (view.window->windowIcon().pixmap(32).isNull())
                faults << view.name + QStringLiteral(": no icon");
            if (auto* bar = view.window->findChild<QMenuBar*>();
                bar && bar->isVisible() && luminance(bar->grab().toImage().pixel(bar->width() - 2, bar->height() / 2)) > 0.2)
                faults << view.name + QStringLiteral(": light menu bar");
            for (LinkLabel* link : view.window->findChildren<LinkLabel*>())
                if (!qobject_cast<CaptionLabel*>(link) && !link->font().underline())
                    faults << view.name + QStringLiteral(": ") + link->objectName() + QStringLiteral(" is not underlined");
            for (QAbstractScrollArea* box : view.window->findChildren<QAbstractScrollArea*>())
                if (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || box->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn)
                    faults << view.name + QStringLiteral(": ") + box->objectName() + QStringLiteral(" always shows a scroll bar");
        });
    }

    void linksOpenByEnterAndDescriptionsTakeTheFocus()
    {
        UrlCatcher urls;
        checkEveryView([&](const WindowView& view, Faults& faults) {
            for (LinkLabel* link : view.window->findChildren<LinkLabel*>()) {
                if (!link->isVisible() || qobject_cast<CaptionLabel*>(link))
                    continue;
                const qsizetype opened = urls.opened.size();
                QTest::keyClick(link, Qt::Key_Return);
                if (!(link->focusPolicy() & Qt::TabFocus) || urls.opened.size() != opened + 1)
                    faults << view.name + QStringLiteral(": ") + link->objectName() + QStringLiteral(" is no link for the keyboard");
                link->setFocus(Qt::TabFocusReason);
                if (link->findChild<QTextDocument*>())  // laid out afresh at every size asked and every paint
                    faults << view.name + QStringLiteral(": ") + link->objectName() + QStringLiteral(" keeps its text as a document");
            }
            for (QAbstractScrollArea* box : view.window->findChildren<QAbstractScrollArea*>())
                if (!qobject_cast<QScrollArea*>(box) && !qobject_cast<QAbstractItemView*>(box) && box->isVisible() && !(box->focusPolicy() & Qt::TabFocus))
                    faults << view.name + QStringLiteral(": ") + box->objectName() + QStringLiteral(" takes no focus");
        });
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
        Random_Source::setForTesting([] { return 0.0; });
        auto* picture = Find_Control<PictureBox>(&window, QStringLiteral("picCrystal"));
        QVERIFY(picture->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(picture, Qt::Key(key));
        Random_Source::setForTesting({});
        QCOMPARE(Find_Control<QLabel>(&window, QStringLiteral("lblCrystalName"))->text(), QStringLiteral("Red Jasper"));
        QVERIFY(!picture->isEnabled());
    }

    void reportSavesPrintsAndClosesByItsShortcutsAndOpensAtItsFirstLine()
    {
        ScriptedPrompts prompts;
        ReportTexts texts;
        texts.birthStone = QStringLiteral("Garnet");
        texts.birthStoneText = texts.sunText = texts.moonText = QStringLiteral("A long description. ").repeated(150);
        frmGemologySave report(texts);
        report.show();
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        auto* box = Find_Control<QTextEdit>(&report, QStringLiteral("RTB"));
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(box->textCursor().position(), 0);  // the caret too is at the first line, for the arrow keys
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QTest::keySequence(&report, QKeySequence::Save);
        QTest::keySequence(&report, QKeySequence::Print);
        QCOMPARE(prompts.saveRequests.size(), 1);
        QCOMPARE(prompts.printerSelectionPresets.size(), 1);
        QTest::keyClick(&report, Qt::Key_Escape);
        QVERIFY(!report.isVisible());

        frmAbout about;
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(TestEveryWindow)
#include "test_frmEveryWindow.moc"
