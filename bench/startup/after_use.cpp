// The program started as a user starts it and used as a first visit uses it: each sub-program
// opened once (a crystal drawn, a healing stone picked), a reading made and its report opened.
// Everything is closed back to the launcher, the program is left idle for a moment, and what it
// then holds is printed.
#include "gemmarium.h"
#include "held_memory.h"
#include "reading_entry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

namespace {

QWidget* openWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->objectName() == QLatin1String(name))
            return window;
    }
    qFatal("the window %s is not open", name);
}

template <typename T = QAbstractButton>
T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void settle()
{
    QTest::qWait(200);
}

void click(QWidget* window, const char* name)
{
    child(window, name)->click();
    settle();
}

QWidget* launcher()
{
    return openWindow("frmMDI");
}

void useEveryWindow()
{
    click(launcher(), "cmdSelectOption_0");
    QWidget* divination = openWindow("frmCrystalDivinationMain");
    QTest::mouseClick(child<QWidget>(divination, "picCrystal"), Qt::LeftButton);
    settle();
    divination->close();
    settle();

    click(launcher(), "cmdSelectOption_1");
    QWidget* healing = openWindow("frmCrystalHealingMain");
    child(healing, "optSearch_0")->setChecked(true);
    click(healing, "cmdNext");
    child<QComboBox>(healing, "cboStone")->setCurrentIndex(5);
    settle();
    healing->close();
    settle();

    click(launcher(), "cmdSelectOption_2");
    QWidget* entry = openWindow("frmGemologyMain");
    Fill_Reading_Entry(entry);
    click(entry, "cmdRashi");
    QWidget* display = openWindow("frmGemologyDisplay");
    // The report opens modal: it is closed from inside its own event loop.
    QTimer::singleShot(500, [] { openWindow("frmGemologySave")->close(); });
    click(display, "cmdPrint");
    display->close();
    QTest::qWait(1000);
    Print_Held_Memory();
    QCoreApplication::exit(0);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Set_Program_Identity();
    QTimer::singleShot(500, useEveryWindow);
    return Run_Program();
}
