#pragma once
#include <QWidget>
#include <functional>
#include <initializer_list>

// The windows that the launcher manages; each exists at most once. The donation window is no
// sub-program: it stays open beside whichever sub-program is open.
enum class SubWindow { Divination, Healing, Display, Entry, Report, Donation };

namespace Sub_Programs {

using Factory = std::function<QWidget*()>;

// Says how a window is made (set once at start-up, see gemmarium.cpp).
void setFactory(SubWindow kind, Factory factory);

// The window of that kind that is open or hidden, or nullptr. A window counts as gone as soon
// as it is closed (every managed window is deleted on close, or soon after while windows are
// made ahead).
QWidget* instance(SubWindow kind);

// The existing window of that kind, or a new one (not yet shown): the one made ahead if there
// is one, else one made by its factory now.
QWidget* obtain(SubWindow kind);

// Keeps one window of each of these kinds made ahead and hidden, so that opening one only has
// to show it. Each is made exactly as obtain() would make it, fresh, while the program is idle:
// on the event loop's turns after `first` (and later every window obtain() hands out) has
// painted its first frame, one window a turn. A spare is kept while a window of its kind is
// open too: the launcher replaces an open sub-program with a fresh one. From then on, a closed
// window is deleted when the program is idle too.
void makeAhead(std::initializer_list<SubWindow> kinds, QWidget* first);

// Whether a kind kept made ahead has no window made ahead yet, or a closed window waits to be
// deleted.
bool idleWorkPending();

// Closes the open sub-program windows in the launcher's order: divination, healing,
// display, entry, report, and the display once more.
void closeAll();

// Places a window with its left edge at (screen width - window width) / 2 and its top at 0,
// first making it no taller and no wider than the screen above the docked launcher.
void placeAtTopCentre(QWidget* window);

}  // namespace Sub_Programs

// The launcher's welcome panel, shown exactly while no sub-program is open.
namespace Welcome_Panel {
void attach(QWidget* panel);
void setVisible(bool visible);
}

// Closes every window of the program, one after the other, then ends the program.
void Quit_Program();
