#pragma once
#include "gemmarium.h"
#include "gemology/frmGemologyDisplay.h"
#include "report/frmGemologySave.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/sub_programs.h"
#include "support/find_control.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>
#include <functional>

// One view of a window as the user meets it: the window, shown, with one page of each of its
// page stacks and tabs in front.
struct WindowView {
    QWidget* window;
    QString name;
    bool subProgram;  // placed at the top of the screen, beside the docked launcher
};
using ViewVisitor = std::function<void(const WindowView&)>;

inline void Visit_Pages(const WindowView& view, const ViewVisitor& visit)
{
    visit(view);
    // The tabs' own page stacks turn with their tabs.
    for (QStackedWidget* stack : view.window->findChildren<QStackedWidget*>()) {
        auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
        const auto turnTo = [&](int page) { tabs ? tabs->setCurrentIndex(page) : stack->setCurrentIndex(page); };
        for (int page = 1; page < stack->count(); ++page) {
            turnTo(page);
            visit({view.window, view.name + QStringLiteral(" page %1").arg(page), view.subProgram});
        }
        turnTo(0);
    }
}

// Opens every top-level window of the program in turn, the way the program opens it: the
// launcher, each sub-program from the launcher's buttons (the display after a reading), the
// book of people, the report, the donation window and the about box; and visits every view of each.
inline void Visit_Every_Window(const ViewVisitor& visit)
{
    Register_Windows();
    frmMDI launcher;
    launcher.show();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    const auto open = [&](QWidget* window, const QString& name, bool subProgram) {
        QVERIFY2(window, qPrintable(name));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        Visit_Pages({window, name, subProgram}, visit);
    };
    const auto press = [](QWidget* window, const char* button) { Find_Control<QAbstractButton>(window, button)->click(); };
    Visit_Pages({&launcher, QStringLiteral("launcher"), false}, visit);

    press(&launcher, "cmdSelectOption_0");
    open(Sub_Programs::instance(SubWindow::Divination), QStringLiteral("divination"), true);
    Visit_Pages({&launcher, QStringLiteral("launcher below a sub-program"), false}, visit);
    press(&launcher, "cmdSelectOption_1");
    open(Sub_Programs::instance(SubWindow::Healing), QStringLiteral("healing"), true);
    press(&launcher, "cmdSelectOption_2");
    QWidget* entry = Sub_Programs::instance(SubWindow::Entry);
    open(entry, QStringLiteral("gemology entry"), true);
    Find_Control<QLineEdit>(entry, QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    for (const char* field : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"})
        Find_Control<QLineEdit>(entry, QString::fromLatin1(field))->setText(QStringLiteral("0"));
    press(entry, "cmdPeople");
    open(Sub_Programs::instance(SubWindow::People), QStringLiteral("book of people"), false);
    press(entry, "cmdRashi");
    QWidget* display = Sub_Programs::instance(SubWindow::Display);
    open(display, QStringLiteral("gemology display"), true);
    open(qobject_cast<frmGemologyDisplay*>(display)->makeReport(), QStringLiteral("gemology report"), true);
    launcher.findChild<QAction*>(QStringLiteral("mnuMoonCalendar"))->trigger();
    open(Sub_Programs::instance(SubWindow::MoonCalendar), QStringLiteral("moon calendar"), true);
    press(&launcher, "cmdMDIDonate");
    open(Sub_Programs::instance(SubWindow::Donation), QStringLiteral("donation"), false);
    frmAbout about(&launcher);
    open(&about, QStringLiteral("about box"), false);
    about.close();
    Sub_Programs::closeAll();
    if (QWidget* donation = Sub_Programs::instance(SubWindow::Donation))
        donation->close();
}
