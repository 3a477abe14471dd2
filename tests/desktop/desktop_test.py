#!/usr/bin/python3
"""Tervik from outside the process, as a user, a screen reader and the window
manager see it: every control has an accessible name, the title, the start
point in the Spanish locale, a real double-click leaving the arrow, Qt's own
file dialog in Spanish, the plots opening, and the window keeping to a
projector's screen at 150 %."""
import os
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


def window_on_projector(tervik):
    """Where the window lies on a 1280 × 800 screen at 150 % (853 × 533 logical
    pixels, lower than the window's contents), or None if it never shows."""
    env = dict(os.environ, DISPLAY=os.environ["DISPLAY"] + ".1", QT_SCALE_FACTOR="1.5")
    program = subprocess.Popen([tervik], env=env, stderr=subprocess.DEVNULL)
    try:
        search = ["xdotool", "search", "--screen", "1", "--onlyvisible", "--name", "Marnel"]
        window = wait_for(lambda: subprocess.run(search, env=env, capture_output=True, text=True,
                                                 check=False).stdout.split())
        if window is None:
            return None
        info = subprocess.run(["xwininfo", "-id", window[0]], env=env, capture_output=True,
                              text=True, check=True).stdout
        field = lambda name: int(info.split(name + ":")[1].split()[0])
        return (field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
                field("Height"))
    finally:
        program.terminate()
        program.wait()


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
    # The window keeps to a small screen; its contents scroll.
    where = window_on_projector(sys.argv[1])
    if where is None or where[0] < 0 or where[1] < 0 or where[0] + where[2] > 1280 \
            or where[1] + where[3] > 800:
        problems.append(f"at 150 % on 1280 x 800 the window lies at {where} (x, y, width, height)")
    print("\n".join(problems))
    print(f"{8 - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
