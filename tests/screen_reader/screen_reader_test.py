#!/usr/bin/python3
"""What a screen reader is told, read over AT-SPI while the program is used by keyboard and by
the actions a screen reader offers: a draw, a healing search and a whole reading with its report.

Started by run_screen_reader_test, which provides the X server, the window manager and the
accessibility bus. Prints each step's focus as "role 'name'" and every fault found; exits 1 on
a fault, 77 when the program cannot be reached over the bus.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as error:
    print(f"SKIP: pyatspi is not installed ({error})")
    sys.exit(77)

KEY_DOWN, KEY_TAB = 0xFF54, 0xFF09

# Every wait is this many times longer where the program runs slower (the sanitizer build).
WAIT_SCALE = float(os.environ.get("ZEV_WAIT_SCALE", "1"))

faults = []
focus_history = []
list_events = []


def check(ok, what):
    print(("ok    " if ok else "FAULT ") + what)
    if not ok:
        faults.append(what)


def pump(seconds=0.4):
    """Lets the program work and the bus deliver its events."""
    context = GLib.MainContext.default()
    end = time.time() + seconds * WAIT_SCALE
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def on_focus(event):
    if event.detail1:
        try:
            focus_history.append((event.source.getRoleName(), event.source.name, window_of(event.source)))
        except Exception:  # the control went away before it could be read
            pass


def on_list_event(event):
    try:
        list_events.append((event.type, event.source.getRoleName(), event.source.name))
    except Exception:  # the control went away before it could be read
        pass


def said(node):
    return f"{node.getRoleName()} {node.name!r}" if node else "nothing"


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def walk(node):
    yield node
    if node.getRoleName() in ("list", "table", "tree", "menu bar"):
        return
    for child in node:
        if child is not None and showing(child):
            yield from walk(child)


def find(node, role, name=None):
    for each in walk(node):
        if each.getRoleName() == role and (name is None or each.name == name):
            return each
    return None


def find_all(node, role):
    return [each for each in walk(node) if each.getRoleName() == role]


def window_of(node):
    while node is not None and node.getRoleName() not in ("frame", "dialog", "window") or (
        node is not None and node.parent is not None and node.parent.getRoleName() != "application"
    ):
        node = node.parent
    return node.name if node is not None else ""


def window(application, title, seconds=5.0):
    end = time.time() + seconds * WAIT_SCALE
    while time.time() < end:
        for each in application:
            if each is not None and each.name == title and showing(each):
                return each
        pump(0.1)
    return None


def focused(application):
    for top in application:
        if top is None or not showing(top):
            continue
        for each in walk(top):
            if each.getState().contains(pyatspi.STATE_FOCUSED) and each.getRoleName() not in ("frame", "dialog"):
                return each
    return None


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index("Press") if "Press" in names else 0)
    pump(0.8)


def press_by_key(node):
    """Presses the control with Space, as its user would."""
    take_focus(node)
    key(ord(" "))
    pump(0.8)


def key(keysym, times=1):
    for _ in range(times):
        pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
        pump(0.25)


def take_focus(node):
    """Moves the focus to the control as a screen reader would, or else by Tab as its user would."""
    node.queryComponent().grabFocus()
    pump(0.4)
    for _ in range(40):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return True
        key(KEY_TAB)
    return False


def list_value(combo):
    """What a screen reader reads as a list's value: the selected item of its list of items (by
    the items' selected state where Qt offers no selection interface)."""
    if combo.childCount < 1 or combo[0] is None:
        return None
    chosen = [item.name for item in combo[0] if item is not None and item.getState().contains(pyatspi.STATE_SELECTED)]
    return chosen[0] if len(chosen) == 1 else None


def check_lists(top, place):
    for combo in find_all(top, "combo box"):
        value = list_value(combo)
        print(f"      combo box {combo.name!r} value {value!r}")
        check(bool(combo.name) and combo.name != value, f"{place}: list {combo.name!r} has a name of its own")
        check(bool(value), f"{place}: list {combo.name!r} gives its current value")


def check_names_unique(top, place):
    names = {}
    for each in walk(top):
        if each.getState().contains(pyatspi.STATE_FOCUSABLE) and each.getRoleName() not in ("list item", "menu item"):
            names.setdefault(each.name, []).append(each.getRoleName())
    doubled = {name: roles for name, roles in names.items() if len(roles) > 1 or not name}
    check(not doubled, f"{place}: every control that takes the focus has a name of its own {doubled or ''}")


def check_first_stop(top, place):
    """The control a window's first focus event names, which is what a screen reader says first."""
    pump(0.3)
    ours = [(role, name) for role, name, where in focus_history if where == top.name]
    role, name = ours[-1] if ours else ("nothing", "")
    print(f"      {place} opens with the focus on {role} {name!r}")
    check(role not in ("nothing", "link"), f"{place}: the first Tab stop is a working control, not a link")


def check_links(top, place):
    for link in find_all(top, "link"):
        check("://" not in link.name, f"{place}: link {link.name[:40]!r} is named by its text, not its address")


def launcher_steps(application):
    launcher = window(application, "Zev Gemmarium v1.30") or next(iter(application))
    print(f"launcher: {launcher.name!r}")
    check_names_unique(launcher, "launcher")
    check_links(launcher, "launcher")
    buttons = {button.name for button in find_all(launcher, "push button")}
    for program in ("Crystal Healing", "Crystal Divination", "Zev Gemology"):
        links = [link for link in find_all(launcher, "link") if program in link.name]
        check(bool(links) and all(link.name not in buttons for link in links),
              f"launcher: the caption {program!r} is a link named apart from its button")
        check(bool(links) and all("Press" in [link.queryAction().getName(i) for i in range(link.queryAction().nActions)]
                                  for link in links), f"launcher: the caption {program!r} can be pressed")
    return launcher


def divination_steps(application, launcher):
    press(find(launcher, "push button", "Crystal Divination"))
    top = window(application, "Zev Crystal Divination")
    check_first_stop(top, "divination")
    check_links(top, "divination")
    crystal = find(top, "push button", "Crystal to draw")
    take_focus(crystal)
    press(crystal)
    result = focused(application)
    labels = [label.name for label in find_all(top, "label")]
    print(f"      after the draw the focus is on {said(result)}, described {result.description[:60] if result else ''!r}")
    check(result is not None and result.getRoleName() != "push button" and result.name in labels,
          "divination: the drawn crystal's name is heard after the draw")
    check(result is not None and len(result.description) > 40 and result.description not in labels,
          "divination: the reading's first words follow the name")
    check_names_unique(top, "divination")
    press(find(top, "push button", "Refresh"))


def healing_steps(application, launcher):
    press(find(launcher, "push button", "Crystal Healing"))
    top = window(application, "Zev Crystal Healing")
    check_first_stop(top, "healing")
    check_links(top, "healing")
    find(top, "radio button", "Search By Crystal").queryAction().doAction(0)
    take_focus(find(top, "push button", "Next"))
    del focus_history[:]
    key(ord(" "))
    stone = find(top, "combo box")
    heard = [f"{role} {name!r}" for role, name, _ in focus_history]
    print(f"      Next shows {said(stone)}; the focus goes through {heard}")
    check(stone is not None and heard == [f"combo box {stone.name!r}"],
          "healing: Next takes the focus straight to the list it shows")
    take_focus(stone)
    key(KEY_DOWN)
    check_lists(top, "healing")
    lists = [each for each in find_all(top, "list") if "this crystal" in each.name]
    print("      result lists: " + ", ".join(f"{said(each)} focusable={each.getState().contains(pyatspi.STATE_FOCUSABLE)}" for each in lists))
    check(len(lists) == 3 and all(each.getState().contains(pyatspi.STATE_FOCUSABLE) for each in lists),
          "healing: the three result lists take the focus")
    order = []
    for _ in range(12):
        key(KEY_TAB)
        now = focused(application)
        if now is not None and now.getRoleName() == "list" and now.name not in order:
            order.append(now.name)
    lists_by_place = [each.name for each in sorted(lists, key=lambda each: each.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x)]
    print(f"      Tab reaches the lists in the order {order}")
    check([name for name in order if name in lists_by_place] == lists_by_place,
          "healing: Tab reaches the result lists in the order they are shown")
    check_names_unique(top, "healing")


def fill(top, name, text):
    field = find(top, "text", name)
    field.queryEditableText().setTextContents(text)


def gemology_steps(application, launcher):
    press(find(launcher, "push button", "Zev Gemology"))
    entry = window(application, "Zev Gemology")
    check_first_stop(entry, "entry")
    fill(entry, "Name", "Ada Example")
    for field, text in (("City of birth", "Sampletown"), ("State of birth", "Somestate"),
                        ("Country of birth", "Someland"), ("Latitude degrees", "40"),
                        ("Latitude minutes", "30"), ("Longitude degrees", "74"), ("Longitude minutes", "0")):
        fill(entry, field, text)
    month = find(entry, "combo box", "Month of birth")
    take_focus(month)
    before = list_value(month)
    del list_events[:]
    key(KEY_DOWN, 2)
    after = list_value(month)
    announced = [f"{kind} on {role} {name!r}" for kind, role, name in list_events
                 if (role, name) in (("combo box", month.name), ("list item", after))]
    print(f"      Month of birth: {before!r}, after two arrows {after!r}, announced by {announced}")
    check(bool(before) and bool(after) and before != after, "entry: changing the month by the arrows changes the value heard")
    check(bool(announced), "entry: the change of month is announced")
    check_lists(entry, "entry")
    check_names_unique(entry, "entry")

    report_button = find(entry, "push button", "Get My Gemology Report")
    take_focus(report_button)
    del focus_history[:]
    key(ord(" "))
    display = window(application, "Zev Gemology")
    pump(0.5)
    print("      focus from Get My Gemology Report to the display: " + "; ".join(f"{role} {name!r} in {where!r}" for role, name, where in focus_history))
    check(all(where != launcher.name for _, _, where in focus_history),
          "entry to display: the focus never visits the launcher")
    check_first_stop(display, "display")
    check_links(display, "display")
    pictures = []
    for tab in find_all(display, "page tab"):
        press(tab)
        pictures += [each for each in find_all(display, "image") if each.description.startswith("Picture of")]
    press(find(display, "page tab"))
    print("      pictures: " + ", ".join(f"{each.name!r} ({each.description!r})" for each in pictures))
    check(len(pictures) >= 5 and len({each.name for each in pictures}) == len(pictures),
          "display: each picture has a name of its own")

    take_focus(find(display, "push button", "Print"))
    del focus_history[:]
    key(ord(" "))
    pump(0.8)
    report_window = None
    for each in application:
        if each is not None and showing(each) and find(each, "text", "Gemology report"):
            report_window = each
    report = find(report_window, "text", "Gemology report") if report_window else None
    check(report is not None, "report: the report window shows the report")
    if report is None:
        return
    text = report.queryText()
    heard = [f"{role} {name!r}" for role, name, _ in focus_history]
    print(f"      the report opens with the focus going to {heard}; caret {text.caretOffset} of {text.characterCount}; "
          f"it starts {text.getText(0, 40)!r}")
    check(text.characterCount > 100 and text.caretOffset == 0, "report: the caret is at the report's start")
    check(heard[-1:] == ["text 'Gemology report'"], "report: the report takes the focus first")
    take_focus(report)
    key(KEY_DOWN, 2)
    print(f"      after two arrows down the caret is at {text.caretOffset}")
    check(text.caretOffset > 0, "report: the arrow keys move the caret through the report")
    check_names_unique(report_window, "report")
    check_links(report_window, "report")


def main():
    program = subprocess.Popen([sys.argv[1]])
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_list_event, "object:selection-changed", "object:state-changed:selected",
                                           "object:property-change:accessible-name")
    try:
        application = None
        end = time.time() + 20
        while application is None and time.time() < end:
            for each in pyatspi.Registry.getDesktop(0):
                if each is not None and each.name == "Zev Gemmarium":
                    application = each
            pump(0.2)
        if application is None:
            print("SKIP: the program did not appear on the accessibility bus")
            sys.exit(77)
        window(application, "Zev Gemmarium v1.30", 10)
        pump(1.0)
        launcher = launcher_steps(application)
        divination_steps(application, launcher)
        healing_steps(application, launcher)
        gemology_steps(application, launcher)
    finally:
        program.terminate()
        program.wait(10)
    print(f"{len(faults)} fault(s)")
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
