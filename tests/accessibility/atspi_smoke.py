#!/usr/bin/python3
"""Finds Tervik's window on the AT-SPI bus, from outside the process, and
checks that every control can be found by its accessible name and read."""
import sys
import time

import pyatspi

EXPECTED = [
    "Superficie de dibujo", "Ver Frente", "Ver Perfil (X=0.5)", "X", "Y",
    "Copiar al Portapapeles", "Campo y Potencial", "Líneas de Campo",
    "Líneas Equipotenciales", "X (m)", "Y (m)", "Ex", "Ey", "V",
    "100 %", "50 %", "25 %", "10 %", "Automático", "Manual",
    "Ver Elementos de campo (discretización)", "Infinito (Integral)", "50", "20", "10",
    "5", "Limpiar", "Calcular", "Salir", "Archivo", "Ayuda",
]
DENSITY_LABEL = "Densidad de carga λ (10^-6 C/m)"


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


def labels_of(node):
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            yield from (relation.getTarget(i).name for i in range(relation.getNTargets()))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    app = find_application("tervik")
    if app is None:
        print("Tervik is not on the accessibility bus")
        return 1
    found = {}
    walk(app, found)
    missing = [name for name in EXPECTED if name not in found]
    problems = [f"no control named {name!r}" for name in missing]
    readouts = {"X (m)": "0.6", "Y (m)": "0.4", "Ex": "", "V": ""}
    for name, expected in readouts.items():
        boxes = [n for n in found.get(name, []) if n.getRole() == pyatspi.ROLE_TEXT]
        if not boxes:
            problems.append(f"no text box named {name!r}")
        elif text_of(boxes[0]).replace(",", ".") != expected:
            problems.append(f"{name!r} reads {text_of(boxes[0])!r}, not {expected!r}")
    # A combo box is named by its value; its label says what it is.
    combos = [n for nodes in found.values() for n in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    if not any(c.name == "1" and DENSITY_LABEL in labels_of(c) for c in combos):
        problems.append("no density combo box showing 1 and labelled " + DENSITY_LABEL)
    surface = found.get("Superficie de dibujo", [None])[0]
    if surface is not None and not surface.description:
        problems.append("the drawing surface has no description")
    if "-v" in sys.argv:
        print(sorted((n, [x.getRoleName() for x in v]) for n, v in found.items()))
    for problem in problems:
        print(problem)
    checks = len(EXPECTED) + len(readouts) + 2
    print(f"{checks - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
