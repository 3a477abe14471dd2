#!/usr/bin/python3
"""Tervik as a user, a screen reader and the window manager see it, from
outside the process: every control by its accessible name, the title the
window manager shows, the start point in the Spanish locale, and a real
double-click that leaves the field arrow on the screen."""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

TITLE = "Tervik Versión 1.0  // Marnel"
EXPECTED = [
    "Superficie de dibujo", "Ver Frente", "Ver Perfil (X=0.5)", "X", "Y",
    "Copiar al Portapapeles", "Campo y Potencial", "Líneas de Campo",
    "Líneas Equipotenciales", "X (m)", "Y (m)", "Ex", "Ey", "V",
    "100 %", "50 %", "25 %", "10 %", "Automático", "Manual",
    "Ver Elementos de campo (discretización)", "Infinito (Integral)", "50", "20", "10",
    "5", "Limpiar", "Calcular", "Salir", "Archivo", "Ayuda", "Punto actual",
]
ARROW_ON_GREY = "rgb(250,50,50)"  # the field's cyan drawn with the XOR pen


def find_application(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == name:
                return app
        time.sleep(0.5)
    return None


def walk(node, found):
    try:
        found.setdefault(node.name, []).append(node)
        for child in node:
            if child is not None:
                walk(child, found)
    except Exception:  # a node that went away while we looked
        pass


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def box(found, name):
    return next(n for n in found.get(name, []) if n.getRole() == pyatspi.ROLE_TEXT)


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def click(node, repeat=1):
    x, y, w, h = extents(node)
    subprocess.run(["xdotool", "mousemove", str(x + min(8, w // 2)), str(y + h // 2),
                    "click", "--repeat", str(repeat), "--delay", "80", "1"], check=True)
    time.sleep(0.5)


def window_manager_title():
    wid = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Marnel"], capture_output=True,
                         text=True).stdout.split()
    if not wid:
        return None
    out = subprocess.run(["xprop", "-id", wid[0], "_NET_WM_NAME"], capture_output=True,
                         text=True).stdout
    return out.split("=", 1)[1].strip().strip('"') if "=" in out else None


def arrow_pixels(node):
    x, y, w, h = extents(node)
    with tempfile.TemporaryDirectory() as folder:
        shot = os.path.join(folder, "screen.png")
        subprocess.run(["import", "-window", "root", shot], check=True)
        out = subprocess.run(["/usr/bin/convert", shot, "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                              "-fill", "black", "+opaque", ARROW_ON_GREY, "-fill", "white",
                              "-opaque", ARROW_ON_GREY, "-format", "%[fx:mean*w*h]", "info:"],
                             capture_output=True, text=True, check=True).stdout
    return int(float(out))


def main():
    app = find_application("tervik")
    if app is None:
        print("Tervik is not on the accessibility bus\n0 passed, 1 failed")
        return 1
    found = {}
    walk(app, found)
    problems = [f"no control named {name!r}" for name in EXPECTED if name not in found]
    title = window_manager_title()
    if title != TITLE:
        problems.append(f"the window manager shows the title {title!r}")
    start = (text_of(box(found, "X (m)")), text_of(box(found, "Y (m)")))
    if start != ("0,6", "0,4"):
        problems.append(f"the start point reads {start}, not ('0,6', '0,4') in es_ES")
    click(found["Infinito (Integral)"][0])
    surface = found["Superficie de dibujo"][0]
    click(surface, repeat=2)
    readout = text_of(box(found, "Ex"))
    if "," not in readout:
        problems.append(f"after a double-click Ex reads {readout!r}")
    if arrow_pixels(surface) < 10:
        problems.append("after a double-click no field arrow is on the screen")
    for problem in problems:
        print(problem)
    checks = len(EXPECTED) + 4
    print(f"{checks - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
