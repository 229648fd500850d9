# The main window through the accessibility interface, as a screen reader uses it.
#
# Starts the program, finds the window's boxes, buttons and cells by their accessible names,
# fills in the worked example through the editable-text interface, presses Calculate through
# its "click" action and reads cells, descriptions and the status line back, then the first
# row of the gear chart's table, which opens beside the main window. Last it opens the editor
# with the pointer, as a person would: a modal window opened through the "click" action would
# keep the program inside that call, deaf to the bus, until the window closed.
import subprocess
import sys
import time

import pyatspi

TITLE = "Velmor Ver1.3 by Quelt"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)


# Polls find() until it returns something, or gives None after the time.
def wait_for(find, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    return None


# The program's window of that title, read afresh: the client keeps what it has once
# read of the program's windows.
def window_of(program, title=TITLE):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != program.pid:
            continue
        app.clear_cache()
        for window in app:
            if window is not None and window.name == title:
                return window
    return None


# Clicks the middle of the control with the pointer.
def click(node):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)


def is_mapped(title):
    listing = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True)
    return f'"{title}"' in listing.stdout


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def gear(n):
    return f"{n}速"


def cell_name(row, column):
    return f"{gear(row)} チェーンリング {gear(column)} スプロケット Km/h"


# Opens the editor with the pointer and finds its box, button and status line by name.
def check_editor(program, change_values):
    click(change_values)
    editor = wait_for(lambda: window_of(program, "Velmor設定変更"), 10)
    check(editor is not None, "the editor is not seen")
    present = {(node.getRole(), node.name) for node in tree(editor)} if editor else set()
    for role, name in [(pyatspi.ROLE_TEXT, "Velmor.ini"), (pyatspi.ROLE_PUSH_BUTTON, "設定の保存・終了"),
                       (pyatspi.ROLE_LABEL, "Velmor.iniがないので作成します。")]:
        check((role, name) in present, f"editor: no {role} named {name!r}")


# Opens the gear chart with Ctrl+G and reads the first row of its table by its cells.
def check_chart(program):
    subprocess.run(["xdotool", "search", "--name", TITLE, "windowfocus", "--sync", "key", "ctrl+g"],
                   check=True)
    chart = wait_for(lambda: window_of(program, "Velmor ギアチャート"), 10)
    check(chart is not None, "the gear chart is not seen")
    table = chart and next((n for n in tree(chart) if n.getRole() == pyatspi.ROLE_TABLE), None)
    check(table is not None, "the gear chart has no table")
    if table:
        cells = table.queryTable()
        headers = [cells.getColumnHeader(c).name for c in range(cells.nColumns)]
        check(headers == ["ギア", "ギア比", "展開 m", "ギアインチ", "速度 km/h", "段差 %", "近いギア", "制限",
                           "周長 mm", "回転数 rpm"],
              f"the chart's columns are {headers!r}")
        row = [cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)]
        expected = ["28×24", "1.17", "2.445", "30.6", "13.20", "", "", "", "2096", "90"]
        check(row == expected, f"the chart's first row reads {row!r}")


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        # The accessibility library keeps what it has once read of a window: look only once
        # the window is shown, with all its controls there and named.
        shown = wait_for(lambda: program.poll() is not None or is_mapped(TITLE))
        if program.poll() is not None:
            print("FAIL: the program ended at start with", program.returncode, flush=True)
            return 1
        window = shown and wait_for(lambda: window_of(program))
        if window is None:
            print("FAIL: no accessible window", repr(TITLE), flush=True)
            return 1
        # Every name the steps below look up must be there (the table of names has unit tests).
        nodes = list(tree(window))
        named = {}
        for node in nodes:
            named.setdefault(node.name, node)

        def box(name):
            return next(n for n in nodes if n.name == name and n.getRole() == pyatspi.ROLE_TEXT)

        def press(name):
            button = named[name]
            action = button.queryAction()
            click = next(i for i in range(action.nActions) if action.getName(i) == "click")
            action.doAction(click)

        # Calculate with no cadence: the status line says so, readable as text.
        press("計算")
        hint = "Velmor へ回転数を入れます。"
        labels = [n for n in nodes if n.getRole() == pyatspi.ROLE_LABEL]
        check(wait_for(lambda: any(text_of(label) == hint for label in labels), 10),
              f"status line {hint!r} not readable")

        # The worked example, typed through the editable-text interface.
        sprockets = ["24", "21", "18", "16", "15", "14", "13", "12", "", ""]
        for c, teeth in enumerate(sprockets, start=1):
            box(f"{gear(c)} スプロケット歯数").queryEditableText().setTextContents(teeth)
        for r, teeth in enumerate(["28", "38", "48"], start=1):
            box(f"{gear(r)} チェーンリング歯数").queryEditableText().setTextContents(teeth)
        box("Tire surroundings length mm").queryEditableText().setTextContents("2096")
        box("Velmor rpm").queryEditableText().setTextContents("90")
        press("計算")

        first = named[cell_name(1, 1)]
        check(wait_for(lambda: text_of(first) == "13.20", 10),
              f"cell 1/1 reads {text_of(first)!r}, not '13.20'")
        for (r, c), expected in {(2, 5): "28.67", (3, 8): "45.27", (3, 9): ""}.items():
            got = text_of(named[cell_name(r, c)])
            check(got == expected, f"cell {r}/{c} reads {got!r}, not {expected!r}")
        # The figures of a cell's gear are its description; an empty cell has none.
        for (r, c), expected in {(1, 1): "28×24\nギア比 1.17\n展開 2.45 m\nギアインチ 30.6", (3, 9): ""}.items():
            cell = named[cell_name(r, c)]
            cell.clear_cache()
            check(cell.description == expected, f"cell {r}/{c} is described {cell.description!r}")
        check_chart(program)
        check_editor(program, named["数値変更"])
        check(program.poll() is None, f"the program ended with {program.returncode}")
    finally:
        if program.poll() is None:
            program.terminate()
        program.wait()
    print(f"accessibility: {len(failures)} checks failed" if failures else "accessibility: passed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
