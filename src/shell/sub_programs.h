#pragma once
#include <QWidget>
#include <functional>

// The windows that the launcher manages; each exists at most once. The donation window is no
// sub-program: it stays open beside whichever sub-program is open. The book of people opens
// beside the gemology windows and closes with them.
enum class SubWindow { Divination, Healing, Display, Entry, Report, Donation, MoonCalendar, People };

namespace Sub_Programs {

using Factory = std::function<QWidget*()>;

// Says how a window is made (set once at start-up, see gemmarium.cpp). The report window has
// none: the display window makes it with its reading and hands it over through manage().
void setFactory(SubWindow kind, Factory factory);

// The window of that kind that is open or hidden, or nullptr. A window is made when it is asked
// for and deleted when it closes; it counts as gone from the moment its close is accepted.
QWidget* instance(SubWindow kind);

// The existing window of that kind, or a new one made by its factory now (not yet shown).
QWidget* obtain(SubWindow kind);

// Takes charge of a window its opener made: it becomes the window of that kind, is deleted when
// it closes and forgotten then.
void manage(SubWindow kind, QWidget* window);

// Closes the open sub-program windows in the launcher's order: divination, healing,
// display, entry, report, the display once more, the Moon calendar and the book of people.
void closeAll();

// Places a window's frame, title bar included, centred across the screen's available area with
// its top at the top of that area, first making the window, frame included, no taller and no
// wider than the area above the docked launcher.
void placeAtTopCentre(QWidget* window);

}  // namespace Sub_Programs

// The launcher's welcome panel, shown exactly while no sub-program is open.
namespace Welcome_Panel {
void attach(QWidget* panel);
void setVisible(bool visible);
}

// Closes every window of the program, one after the other, then ends the program.
void Quit_Program();
