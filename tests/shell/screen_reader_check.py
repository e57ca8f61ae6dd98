#!/usr/bin/python3
"""Reads the running program as a screen reader does, through AT-SPI.

Started by screen_reader_check.sh inside its own session bus, with the
program running in the language given (en or fr): finds the program, reads
the sixteen slots of its table, presses one card and checks that it is
reported picked, then two more that make no SET with it and checks that the
table's description says why, all in that language.

  screen_reader_check.py [LANGUAGE]
"""
import re
import sys
import time

import pyatspi

# What the program says in each language: the table's name, a card's name
# (its four attributes, in the words' order), an empty slot, and the
# beginnings of the table's description and of a wrong pick's explanation.
SPOKEN = {
    "en": ("Table", r"^(one|two|three) (blue|green|red) (empty|solid|hatched) (square|circle|triangle)s?$", "empty",
           "Score: ", "Not a SET: "),
    "fr": ("Table de jeu", r"^(un|deux|trois) (carré|cercle|triangle)s? (bleu|vert|rouge)s? (vide|plein|hachuré)s?$", "vide",
           "Points : ", "Pas un SET : "),
}
TABLE, CARD, EMPTY, SCORE, WRONG = SPOKEN[sys.argv[1] if len(sys.argv) > 1 else "en"]
CARD = re.compile(CARD)


def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), test, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    table = None
    for _ in range(100):
        app = next((desktop.getChildAtIndex(i) for i in range(desktop.childCount)
                    if desktop.getChildAtIndex(i) is not None and desktop.getChildAtIndex(i).name == "trivolo"), None)
        table = find(app, lambda n: n.getRole() == pyatspi.ROLE_LIST and n.name == TABLE)
        if table is not None and table.childCount == 16:
            break
        time.sleep(0.1)
    if table is None:
        print("FAIL: no table in the program's accessible tree")
        return 1
    names = [table.getChildAtIndex(i).name for i in range(table.childCount)]
    print("the sixteen slots:", names)
    wrong = [n for n in names if not CARD.match(n) and n != EMPTY]
    if len(names) != 16 or wrong:
        print("FAIL: slots not named as cards:", wrong)
        return 1
    print("the table says:", table.description)
    if not table.description.startswith(SCORE):
        print("FAIL: no score in the table's description")
        return 1

    first = next(i for i, n in enumerate(names) if n != EMPTY)
    card = table.getChildAtIndex(first)
    if card.getState().contains(pyatspi.STATE_SELECTED):
        print("FAIL: a card is picked before any was pressed")
        return 1
    action = card.queryAction()
    press = next(i for i in range(action.nActions) if action.getName(i).lower() == "press")
    action.doAction(press)
    for _ in range(50):
        if table.getChildAtIndex(first).getState().contains(pyatspi.STATE_SELECTED):
            print(f"pressed slot {first} ({names[first]}): it is picked")
            break
        time.sleep(0.1)
    else:
        print("FAIL: the pressed card is not reported picked")
        return 1

    # Two more that make no SET with it: the table's description says why.
    parsed = {i: CARD.match(n).groups() for i, n in enumerate(names) if CARD.match(n)}
    def is_set(a, b, c):
        return all(len({parsed[a][k], parsed[b][k], parsed[c][k]}) != 2 for k in range(4))
    pair = next(((b, c) for b in parsed for c in parsed if first < b < c and not is_set(first, b, c)), None)
    if pair is None:
        print("SKIPPED: every pair makes a SET with the first card")
        return 0
    for slot in pair:
        card = table.getChildAtIndex(slot)
        action = card.queryAction()
        action.doAction(next(i for i in range(action.nActions) if action.getName(i).lower() == "press"))
    for _ in range(50):
        if WRONG in table.description:
            print("after a wrong pick the table says:", table.description)
            return 0
        time.sleep(0.1)
    print("FAIL: a wrong pick is not explained:", table.description)
    return 1


if __name__ == "__main__":
    sys.exit(main())
