#!/usr/bin/python3
"""Tervik from outside the process, as a user, a screen reader and the window
manager see it: every control has an accessible name, the title, the start
point in the Spanish locale, a real double-click leaving the arrow, Qt's own
file dialog in Spanish, and the plots opening."""
import subprocess
import sys
import tempfile
import time

import pyatspi

TITLE = "Tervik Versión 1.0  // Marnel"
CONTROLS = {"push button", "radio button", "check box", "text", "combo box", "menu"}
ARROW_ON_GREY = "rgb(250,50,50)"  # the field's cyan drawn with the XOR pen


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def wait_for(condition, seconds=15):
    """The condition's first true value, polled while the program (perhaps
    under a sanitizer, on a loaded machine) catches up; None if it never comes."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value or None
        time.sleep(0.2)


def find_application(name):
    for _ in range(40):
        apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == name]
        if apps:
            return apps[0]
        time.sleep(0.5)
    return None


def walk(node, found):  # every node of the tree by its name
    found.setdefault(node.name, []).append(node)
    for child in filter(None, node):
        walk(child, found)


def text_of(found, name):
    box = next(n for n in found[name] if n.getRole() == pyatspi.ROLE_TEXT).queryText()
    return box.getText(0, box.characterCount)


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def click(node, repeat=1):
    x, y, w, h = extents(node)
    run("xdotool", "mousemove", str(x + min(8, w // 2)), str(y + h // 2), "click", "--repeat",
        str(repeat), "--delay", "80", "1")
    time.sleep(0.5)


def arrow_pixels(node):
    x, y, w, h = extents(node)
    with tempfile.NamedTemporaryFile(suffix=".png") as shot:
        run("import", "-window", "root", shot.name)
        return int(float(run("/usr/bin/convert", shot.name, "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                             "-fill", "black", "+opaque", ARROW_ON_GREY, "-fill", "white", "-opaque",
                             ARROW_ON_GREY, "-format", "%[fx:mean*w*h]", "info:")))


def main():
    app = find_application("tervik")
    if app is None:
        print("Tervik is not on the accessibility bus\n0 passed, 1 failed")
        return 1
    found = {}
    walk(app, found)
    unnamed = [n for name, nodes in found.items() if not name.strip() for n in nodes
               if n.getRoleName() in CONTROLS]
    problems = [f"{len(unnamed)} controls without a name"] if unnamed else []
    window = run("xdotool", "search", "--onlyvisible", "--name", "Marnel").split()[0]
    title = run("xprop", "-id", window, "_NET_WM_NAME").split("=", 1)[1].strip().strip('"')
    if title != TITLE:
        problems.append(f"the window manager shows the title {title!r}")
    start = (text_of(found, "X (m)"), text_of(found, "Y (m)"))
    if start != ("0,6", "0,4"):
        problems.append(f"the start point reads {start} in es_ES")
    click(found["Infinito (Integral)"][0])
    click(found["Superficie de dibujo"][0], repeat=2)
    if not wait_for(lambda: "," in text_of(found, "Ex")):
        problems.append(f"after a double-click Ex reads {text_of(found, 'Ex')!r}")
    if not wait_for(lambda: arrow_pixels(found["Superficie de dibujo"][0]) >= 10):
        problems.append("after a double-click no field arrow is on the screen")
    run("xdotool", "key", "ctrl+s")  # Qt's own file dialog speaks the user's language
    dialog = wait_for(lambda: next((w for w in app if w is not None
                                    and w.name.startswith("Guardar Imagen")), None))
    in_dialog = {}
    if dialog is not None:
        wait_for(lambda: walk(dialog, in_dialog) or "Cancelar" in in_dialog)
    if "Cancelar" not in in_dialog:
        problems.append("the file dialog has no button \"Cancelar\" in es_ES")
    run("xdotool", "key", "Escape")
    wait_for(lambda: not any(w is not None and w.name.startswith("Guardar Imagen") for w in app))
    run("xdotool", "windowfocus", "--sync", window)
    run("xdotool", "key", "ctrl+g")  # the plots' module, loaded from where the program is
    shown = lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Gráficas$"],
                                   capture_output=True, check=False).stdout.strip()
    if not wait_for(shown):
        problems.append("Ctrl+G shows no window Gráficas")
    print("\n".join(problems))
    print(f"{7 - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
