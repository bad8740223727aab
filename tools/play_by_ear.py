#!/usr/bin/python3
"""Plays one game of Orbet with keys alone, reading the board as a screen reader does.

Run by tools/play_by_ear.sh, which starts Orbet under Xvfb with an accessibility bus. It reads
the cells, scores and next colours over AT-SPI, moves the keyboard cursor with xdotool, plays
until the board is full, answers the High Score question and records a name, then reads the
High Score window back.
"""
import collections
import random
import subprocess
import sys
import time

import pyatspi
from board_grid import line, reachable
from gi.repository import GLib

heard = collections.Counter()


def listen(event):
    heard[event.type] += 1


for kind in ("object:property-change:accessible-name", "object:state-changed:selected",
             "object:property-change:accessible-value", "focus:",
             "object:property-change:accessible-description"):
    pyatspi.Registry.registerEventListener(listen, kind)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find(root, role=None, name=None):
    """The first object of the role and name (a text, or a test of the text) under the root."""
    named = name if callable(name) else (lambda text: name is None or text == name)
    for node in walk(root):
        if (role is None or node.getRole() == role) and named(node.name):
            return node
    return None


def orbet():
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Orbet":
                return app
        time.sleep(0.2)
    sys.exit("Orbet is not on the accessibility bus")


def keys(*names):
    if names:
        subprocess.run(["xdotool", "key", "--delay", "15", *names], check=True)


def focus(title):
    for _ in range(50):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=True)
            return
        time.sleep(0.1)
    sys.exit(f"no window called {title}")


def board(table):
    """The cells as {(column, row): colour or "empty"}, from their names."""
    cells = table.queryTable()
    return {(c + 1, r + 1): cells.getAccessibleAt(r, c).name.split(", ")[2]
            for r in range(10) for c in range(10)}


class Cursor:
    def __init__(self):
        self.at = (1, 1)  # where the keyboard cursor starts

    def go(self, target):
        dc, dr = target[0] - self.at[0], target[1] - self.at[1]
        keys(*(["Right"] * dc + ["Left"] * -dc + ["Down"] * dr + ["Up"] * -dr))
        self.at = target


def play(app, table):
    cursor, turns, chance = Cursor(), 0, random.Random(7)
    while True:
        for node in walk(app):
            if node.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and \
                    node.name in ("GAME OVER", "HIGH SCORE"):
                score = find(app, name=lambda name: name.startswith("Your Score: ")) \
                    .queryValue().currentValue
                print(f"the board is full after {turns} turns, score {score:.0f}: {node.name}")
                return node.name
        grid = board(table)
        moves = []
        for cell, colour in grid.items():
            if colour != "empty":
                after = grid | {cell: "empty"}
                moves += [(line(after, to, colour), chance.random(), cell, to)
                          for to in reachable(grid, cell)]
        _, _, start, target = max(moves)
        cursor.go(start)
        keys("space")
        cursor.go(target)
        keys("Return")
        pump(0.05)
        turns += 1


def main():
    app = orbet()
    table = find(app, name="Board")  # a group with the table's interface
    print(f"{table.name}: {table.queryTable().nRows} x {table.queryTable().nColumns} cells,",
          f"the first reads \"{table.queryTable().getAccessibleAt(0, 0).name}\"")
    print("next colours:", find(app, name=lambda name: name.startswith("Next Move: ")).description)
    focus("Orbet")
    if play(app, table) == "HIGH SCORE":
        focus("HIGH SCORE")
        keys("Return")  # Yes is the default answer
        focus("High Score Entry")
        subprocess.run(["xdotool", "type", "--delay", "20", "Played by ear"], check=True)
        keys("Return")
        focus("Orbet")
        keys("F4")
        focus("Orbet High Scores")
        pump(0.3)
        window = find(app, role=pyatspi.ROLE_DIALOG, name="Orbet High Scores")
        labels = [n.name for n in walk(window) if n.getRole() == pyatspi.ROLE_LABEL]
        print("High Score table:", " | ".join(labels[4:10]))
        keys("Escape")
    pump(0.5)
    print("screen reader heard:", dict(heard))


main()
