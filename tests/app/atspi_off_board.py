#!/usr/bin/python3
"""Asks a running Orbet's board, over AT-SPI as any program on the desktop can, about rows,
columns, indexes and children off the board: each question is answered with "none" (or fails as
a question), the game runs on, and the board then still answers truly.

Run by atspi_off_board.sh inside a session with an accessibility bus; argv[1] is the program.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

OFF = [-1, 10, 11, -2**31, 2**31 - 1, 1000]  # rows and columns run from 0 to 9
OFF_INDEX = [-1, 100, 101, -2**31, 2**31 - 1]  # children from 0 to 99


def orbet(game):
    for _ in range(100):
        if game.poll() is not None:
            sys.exit(f"Orbet ended at once (status {game.returncode}): "
                     f"{game.stderr.read().decode(errors='replace').strip()}")
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Orbet":
                return app
        time.sleep(0.1)
    sys.exit("Orbet did not appear on the accessibility bus")


def find_table(node):
    """The board: the object with the table's interface, whatever its role."""
    if node.name == "Board":
        return node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        found = find_table(child) if child is not None else None
        if found is not None:
            return found
    return None


def answer(question):
    """What a question returns, or "refused" when the game turns it down as an error."""
    try:
        return question()
    except Exception:  # the D-Bus call failed: an answer of "none" to this client
        return "refused"


def main():
    home = tempfile.mkdtemp()
    # In English, whatever the machine's locale: the board is found by its English name.
    game = subprocess.Popen([sys.argv[1]], env=dict(os.environ, XDG_CONFIG_HOME=home,
                                                    LANGUAGE="en", LC_ALL="C.UTF-8"),
                            stderr=subprocess.PIPE)
    try:
        table_object = find_table(orbet(game))
        table = table_object.queryTable()
        faults = []
        for row in OFF + [0]:
            for column in OFF + [0]:
                if row == 0 and column == 0:
                    continue
                checks = {
                    "getIndexAt": (lambda: table.getIndexAt(row, column), (-1, "refused")),
                    "isSelected": (lambda: table.isSelected(row, column), (False, "refused")),
                    "getRowExtentAt": (lambda: table.getRowExtentAt(row, column), (0, "refused")),
                    "getColumnExtentAt": (lambda: table.getColumnExtentAt(row, column),
                                          (0, "refused")),
                    "getAccessibleAt": (lambda: table.getAccessibleAt(row, column),
                                        (None, "refused")),
                }
                for name, (question, none) in checks.items():
                    got = answer(question)
                    if got not in none:
                        faults.append(f"{name}({row}, {column}) answered {got!r}")
        for index in OFF_INDEX:
            for name, question, none in (
                    ("getRowAtIndex", lambda: table.getRowAtIndex(index), (-1, "refused")),
                    ("getColumnAtIndex", lambda: table.getColumnAtIndex(index), (-1, "refused")),
                    ("getChildAtIndex", lambda: table_object.getChildAtIndex(index),
                     (None, "refused")),
                    ("getRowHeader", lambda: table.getRowHeader(index), (None, "refused")),
                    ("getColumnHeader", lambda: table.getColumnHeader(index), (None, "refused")),
                    ("getRowDescription", lambda: table.getRowDescription(index), ("", "refused")),
                    ("getColumnDescription", lambda: table.getColumnDescription(index),
                     ("", "refused"))):
                got = answer(question)
                if got not in none:
                    faults.append(f"{name}({index}) answered {got!r}")
            got = answer(lambda: table.getRowColumnExtentsAtIndex(index))
            if got != "refused" and (got[1] != -1 or got[2] != -1 or got[5]):
                faults.append(f"getRowColumnExtentsAtIndex({index}) answered {got!r}")
        if game.poll() is not None:
            sys.exit(f"the game ended (status {game.returncode}) while being asked")
        last = table.getAccessibleAt(9, 9)
        if not last.name.startswith("row 10, column 10, ") or table.getIndexAt(9, 9) != 99:
            faults.append(f"afterwards the last cell reads {last.name!r}")
        if faults:
            sys.exit("\n".join(faults))
        print("every question off the board was answered with none; the game runs on")
    finally:
        game.terminate()
        game.wait(10)


main()
