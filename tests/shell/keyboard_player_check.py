#!/usr/bin/python3
"""Plays the running program as a keyboard-only player with a screen reader.

Started by keyboard_player_check.sh with the program running on a fresh
settings file. Every action is a key typed through the X server (xdotool);
every look at the program goes through AT-SPI. It answers the language
question, holds H, plays a whole game to its end, enters a name, reads and
closes the list, changes the background in the options, opens and closes
the rules, and quits; everything it reads must be in the language it
chose: English, or French as the third answer of a French desktop.

  keyboard_player_check.py [LANGUAGE]
"""
import itertools
import os
import re
import subprocess
import sys
import time

import pyatspi

# What the player reads, in each language the check plays in.
SAYS = {
    "en": {
        "answer": ("Tab", "space"),
        "table": "Table",
        "card": r"^(one|two|three) (blue|green|red) (empty|solid|hatched) (square|circle|triangle)s?$",
        "score": r"Score: (-?\d+)",
        "ends": ("No more SET possible.\nYou are at the end.", "Hurrah, you did it!"),
        "list": "Trivolo - Highscore",
        "name box": "Your name",
        "review": "Your game",
        "review score": "Score: {}",
        "sets": "SETs: {}",
        "chart": "Seconds per SET",
        "statistics": "Statistics",
        "played": "Played to the end: 1",
        "close list": "Close the list",
        "options": "Options:",
        "rules keys": "The keys",
        "quit question": "Do you really want to go?",
        "practice": r"Practice, time played: \d+:\d\d, SETs on the table: (\d+), game running",
        "practice over": "Practice over: ",
        "not a set": "Not a SET: ",
        "pointer": "New here? The rules show the SETs in pictures, and a practice game (F3) counts no points.",
    },
    "fr": {
        "answer": ("Tab", "Tab", "space"),
        "table": "Table de jeu",
        "card": r"^(un|deux|trois) (carré|cercle|triangle)s? (bleu|vert|rouge)s? (vide|plein|hachuré)s?$",
        "score": r"Points : (-?\d+)",
        "ends": ("Plus aucun SET possible.\nLa partie est terminée.", "Hourra, tu as réussi !"),
        "list": "Trivolo - Meilleurs scores",
        "name box": "Ton nom",
        "review": "Ta partie",
        "review score": "Points : {}",
        "sets": "SET : {}",
        "chart": "Secondes par SET",
        "statistics": "Statistiques",
        "played": "Parties terminées : 1",
        "close list": "Fermer la liste",
        "options": "Réglages :",
        "rules keys": "Les touches",
        "practice": r"Entraînement, temps joué : \d+:\d\d, SET sur la table : (\d+), partie en cours",
        "practice over": "Entraînement terminé : ",
        "not a set": "Pas un SET : ",
        "pointer": "Nouveau ici ? Les règles montrent les SET en images, et une partie d’entraînement (F3) ne compte aucun point.",
        "quit question": "Veux-tu vraiment déjà partir ?",
    },
}
SAY = SAYS[sys.argv[1] if len(sys.argv) > 1 else "en"]
CARD = re.compile(SAY["card"])
# The keys of the table's sixteen places, row by row.
SLOT_KEYS = "1234qwerasdfzxcv"


class Failure(Exception):
    pass


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "30", name], check=True)
        time.sleep(0.05)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)


def walk(node, depth=0):
    if node is None or depth > 14:
        return
    yield node
    try:
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return
    for child in children:
        yield from walk(child, depth + 1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "trivolo":
            return app
    return None


def wait_for(what, test, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = test()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure(f"timed out waiting for {what}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def dialog(name):
    """The open dialog of that name."""
    def find():
        app = application()
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if window.getRole() == pyatspi.ROLE_DIALOG and window.name == name and showing(window):
                return window
        return None
    return wait_for(f'the dialog "{name}"', find)


def gone(window):
    wait_for(f'"{window.name}" to close', lambda: not showing(window))


def focused_name(window):
    def find():
        for node in walk(window):
            if node is not window and node.getState().contains(pyatspi.STATE_FOCUSED):
                return node.name or "(unnamed)"
        return None
    return wait_for(f'a focused control in "{window.name}"', find, 5)


def main_window():
    return wait_for("the main window", lambda: next(
        (n for n in walk(application()) if n.getRole() == pyatspi.ROLE_FRAME and n.name.startswith("Trivolo")), None))


def keyboard_back():
    """Waits until the main window has the keyboard again: a compositor may
    give it back a moment after a dialog closes. (Without a window manager
    X reports no active window; the keys follow the pointer there.)"""
    frame = main_window()
    try:
        wait_for("the main window to take the keyboard", lambda: frame.getState().contains(pyatspi.STATE_ACTIVE), 3)
    except Failure:
        pass


def table():
    def find():
        for node in walk(application()):
            if node.getRole() == pyatspi.ROLE_LIST and node.name == SAY["table"] and node.childCount == 16:
                return node
        return None
    return wait_for("the table", find)


def cards(board):
    return [board.getChildAtIndex(i).name for i in range(16)]


def score(board):
    return int(re.match(SAY["score"], board.description).group(1))


def all_sets(names):
    parsed = {i: CARD.match(n).groups() for i, n in enumerate(names) if CARD.match(n)}
    return [triple for triple in itertools.combinations(sorted(parsed), 3)
            if all(len({parsed[i][a] for i in triple}) != 2 for a in range(4))]


def find_set(names):
    sets = all_sets(names)
    return sets[0] if sets else None


def find_no_set(names):
    """Three cards that are no SET."""
    sets = set(all_sets(names))
    return next(t for t in itertools.combinations(range(16), 3) if t not in sets and all(CARD.match(names[i]) for i in t))


def open_dialog():
    return next((w for w in (application().getChildAtIndex(i) for i in range(application().childCount))
                 if w.getRole() == pyatspi.ROLE_DIALOG and showing(w)), None)


def play_to_end(board, each=None):
    """Takes SET after SET by keys until the program says the game is over;
    returns the SETs taken and the message that says so."""
    taken = 0
    while True:
        names = cards(board)
        if each:
            each(names)
        triple = find_set(names)
        check(triple is not None, f"no SET on the table while the game runs: {names}")
        key(*(SLOT_KEYS[i] for i in triple))
        taken += 1
        end = time.time() + 5
        ended = None
        while time.time() < end:
            if cards(board) != names:
                break
            ended = open_dialog()
            if ended is not None:
                break
            time.sleep(0.05)
        else:
            raise Failure(f"the SET {triple} of {names} was not taken")
        ended = ended or open_dialog()
        if ended is not None:
            return taken, ended


def shoot(window, name):
    """With TRIVOLO_SHOTS set to a folder, a picture of the window there."""
    folder = os.environ.get("TRIVOLO_SHOTS")
    if not folder:
        return
    time.sleep(0.8)
    # A Wayland client knows no place on the screen: the whole screen then.
    box = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    crop = [] if os.environ.get("RUN_WAYLAND") else ["-crop", f"{box.width}x{box.height}+{box.x}+{box.y}", "+repage"]
    subprocess.run(["import", "-window", "root", *crop, os.path.join(folder, name)], check=True)


def check(condition, message):
    if not condition:
        raise Failure(message)


def play():
    # The language question: German has the focus; Tab reaches English,
    # and a second Tab the desktop's language, when it offers one.
    question = dialog("Sprache / Language")
    check(focused_name(question) == "Ich spreche deutsch", "the language question's focus")
    key(*SAY["answer"])
    gone(question)
    # The first start's balloon points at the rules; the reader hears it.
    pointer = wait_for("the first start's balloon", lambda: next(
        (n for n in walk(application()) if n.getRole() == pyatspi.ROLE_TOOL_TIP and showing(n)), None))
    check(pointer.name == SAY["pointer"], f"the balloon says {pointer.name!r}")
    board = table()
    keyboard_back()

    # A held H costs one hint (167 points), however long the key repeats.
    before = score(board)
    subprocess.run(["xdotool", "keydown", "h"], check=True)
    time.sleep(1.3)
    subprocess.run(["xdotool", "keyup", "h"], check=True)
    time.sleep(0.3)
    dropped = before - score(board)
    print(f"holding H for 1.3 s cost {dropped} points")
    check(167 <= dropped < 2 * 167, f"a held H cost {dropped} points")

    # The whole game, SET by SET, until the program says there is none left.
    taken, ended = play_to_end(board)
    print(f"{taken} SETs taken by keys; the program says: {ended.description!r}")
    check(ended.name == "Trivolo" and ended.description in SAY["ends"], "the end of the game")
    final = score(board)
    key("Return")
    gone(ended)

    # The name entry: Enter and Escape do nothing; Tab reaches OK.
    entry = dialog(SAY["list"])
    check(focused_name(entry) == SAY["name box"], "the name box has the focus")
    key("Return", "Escape")
    time.sleep(0.3)
    check(showing(entry), "Enter or Escape closed the name entry")
    key("ctrl+a")
    typed("Keys")
    key("Tab", "space")
    gone(entry)

    # The review of the game, read over the bus and closed with Escape.
    review = dialog(SAY["review"])
    labels = [n.name for n in walk(review) if n.getRole() == pyatspi.ROLE_LABEL]
    print("the review reads:", labels[:12])
    check(SAY["review score"].format(final) in labels and SAY["sets"].format(taken) in labels, "the review's score and SETs")
    chart = next((n for n in walk(review) if n.name == SAY["chart"]), None)
    check(chart is not None and chart.description.startswith("SET 1: "), "the chart's text")
    shoot(review, "review.png")
    key("Escape")
    gone(review)

    # The statistics on T: this game counted.
    keyboard_back()
    key("t")
    stats = dialog(SAY["statistics"])
    labels = [n.name for n in walk(stats) if n.getRole() == pyatspi.ROLE_LABEL]
    check(SAY["played"] in labels and SAY["sets"].format(taken) in labels, f"the statistics: {labels[:9]}")
    shoot(stats, "statistics.png")
    key("Escape")
    gone(stats)

    # A practice game on F3, played to its end by keys: the board says how
    # many SETs lie on the table, a wrong pick is explained, and nothing of
    # it reaches the list or the statistics.
    keyboard_back()
    key("F3")
    wait_for("the practice game", lambda: re.match(SAY["practice"], board.description))
    names = cards(board)
    key(*(SLOT_KEYS[i] for i in find_no_set(names)))
    wait_for("the wrong pick explained", lambda: SAY["not a set"] in board.description)
    print("a wrong pick in practice reads:", board.description)
    shoot(main_window(), "practice.png")
    key(*(SLOT_KEYS[i] for i in find_no_set(names)))  # dropped again

    def counted(names):
        said = wait_for("the count of SETs", lambda: re.match(SAY["practice"], board.description))
        check(int(said.group(1)) == len(all_sets(names)), f"the board says {said.group(1)} SETs, the table holds {len(all_sets(names))}")
    practised, over = play_to_end(board, counted)
    print(f"practice: {practised} SETs taken by keys; the program says: {over.description!r}")
    check(over.description.startswith(SAY["practice over"]), "the end of the practice game")
    key("Return")
    gone(over)
    time.sleep(0.5)
    check(open_dialog() is None, "a practice game asked for a name or showed a review")
    keyboard_back()
    key("t")
    stats = dialog(SAY["statistics"])
    labels = [n.name for n in walk(stats) if n.getRole() == pyatspi.ROLE_LABEL]
    check(SAY["played"] in labels and SAY["sets"].format(taken) in labels, f"the statistics after practice: {labels[:9]}")
    key("Escape")
    gone(stats)

    # The list, read row by row and closed by its one button.
    keyboard_back()
    key("b")
    shown = dialog(SAY["list"])
    check(focused_name(shown) == SAY["close list"], "the list's button has the focus")
    texts = [n.name.strip() for n in walk(shown) if n.getRole() == pyatspi.ROLE_LABEL and n.name.strip()]
    first = texts.index("1.")
    print("the list reads:", texts[first:first + 6])
    check(texts[first:first + 3] == ["1.", "Keys", str(final)], "the list's first row")
    check(texts[first + 3] == "2.", "the list reads row by row")
    key("space")
    gone(shown)

    # The options: Escape keeps them; the background is the fourth control.
    keyboard_back()
    key("o")
    options = dialog(SAY["options"])
    key("Escape")
    time.sleep(0.3)
    check(showing(options), "Escape closed the options")
    key("Tab", "Tab", "Tab", "space", "Tab", "Tab", "Tab", "space")  # then past the detector and the colours to OK
    gone(options)

    # The rules: a document, closed with Escape.
    keyboard_back()
    key("F1")
    rules = wait_for("the rules", lambda: next(
        (n for n in walk(application()) if n.getRole() == pyatspi.ROLE_DOCUMENT_FRAME and showing(n)), None))
    text = rules.queryText().getText(0, -1)
    check("Ctrl+Q" in text and SAY["rules keys"] in text, "the rules list the keys")
    key("Escape")
    gone(rules)

    # Quit, and say yes.
    keyboard_back()
    key("ctrl+q")
    asked = dialog("Trivolo")
    check(asked.description == SAY["quit question"], "the close question")
    key("y")


def main():
    try:
        wait_for("the program on the accessibility bus", application, 20)
        play()
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    print("a whole game and every dialog played by keys alone")
    return 0


if __name__ == "__main__":
    sys.exit(main())
