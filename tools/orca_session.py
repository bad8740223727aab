#!/usr/bin/python3
"""Plays Orbet by keys while Orca listens, and writes down what Orca says after each step.

Run by tools/orca_session.sh, which has already started Xvfb, the session bus, the
accessibility bus, speech-dispatcher, openbox and Orca (with its debug file).

    orca_session.py PROGRAM SCENARIO OUTPUT

A scenario is a text file with one step a line (# starts a comment):

    key NAME...        presses each key (xdotool names: Right, space, Return, Tab, shift+Tab,
                       Escape, F1, ctrl+w, alt+g ...) and hears what Orca says after each
    burst NAME...      presses the keys one after another, 0.1 s apart, and hears what
                       Orca says for all of them (shows whether a key cuts the speech short)
    type TEXT          types the text
    goto ROW COLUMN    moves the keyboard cursor there with the arrow keys, one key a step
    turn               plays one whole turn: goes to a ball that can move, selects it with
                       Space, goes to a cell it can reach and moves it there with Space
    select-ball        the first half of a turn (the ball nearest the cursor that can move)
    move-ball          the second half: the nearest cell the selected ball can reach
    play-to-end [N]    plays turns, each move chosen for the longest line it makes, with the
                       keys of a turn pressed 50 ms apart and its speech heard as one step,
                       until the "GAME OVER" or "HIGH SCORE" question shows (at most N turns,
                       default 300)
    window TITLE       waits (up to 10 s) for a window of that title to show
    no-window TITLE    waits (up to 10 s) until no window of that title shows
    settle             waits until Orca has been quiet for a while
    shot FILE          saves a picture of the screen (PNG)
    note TEXT          writes the text into the record
    expect REGEX       the speech of the step before must match (case-insensitive)
    expect-not REGEX   ... and must not match

The record has a line "> STEP" for each step, followed by what Orca spoke for it, one
"SPEECH OUTPUT" a line (a text of several lines, such as a message box's, joined into one).
It ends with the program's fate and the expectations that failed.
Exit status: 0 when all is well, 1 when an expectation failed or the program crashed.
"""
import os
import re
import shlex
import signal
import subprocess
import sys
import time

from board_grid import line, reachable

QUIET = 0.8       # Orca has finished with a step once its debug file is this long still (s)
STEP_LIMIT = 12.0  # a step whose speech goes on longer than this is a hang (s)
# Orca writes the voice after the text: SPEECH OUTPUT: 'row 1, column 1, empty.'{'established': False}
# A text of several lines goes on over the next lines of the debug file, each indented.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(\{.*\})?\s*$", re.DOTALL)
SPEECH_LINES = 50  # a text still open after this many lines is not a text
CELL = re.compile(r"row (\d+), column (\d+), (\w+)(?:, selected)?$")


class Failure(Exception):
    pass


def spoken(lines):
    """The texts of the SPEECH OUTPUT entries among the debug file's lines, each on one line."""
    said, entry, taken = [], None, 0
    for line in lines:
        if entry is not None and taken < SPEECH_LINES:
            entry, taken = entry + "\n" + line, taken + 1
        elif "SPEECH OUTPUT: '" in line:
            entry, taken = line, 1
        else:
            entry = None
            continue
        match = SPEECH.search(entry)
        if match:
            said.append(re.sub(r"\s*\n\s*", " ", match.group(1)))
            entry = None
    return said


class Session:
    def __init__(self, program, output):
        self.debug = os.environ["ORBET_ORCA_DEBUG"]
        self.orca = int(os.environ["ORBET_ORCA_PID"])
        self.out = open(output, "w", buffering=1)
        self.offset = os.path.getsize(self.debug)
        self.last_speech = []
        self.failed = []
        self.program = program
        self.game = None
        self.planned = None

    # -- what Orca says --------------------------------------------------------------------

    def write(self, line):
        self.out.write(line + "\n")
        print(line, flush=True)

    def settle(self):
        """Waits until Orca has been quiet for QUIET seconds; returns the speech since the last
        call."""
        start = time.monotonic()
        size = os.path.getsize(self.debug)
        still_since = time.monotonic()
        while time.monotonic() - still_since < QUIET:
            if time.monotonic() - start > STEP_LIMIT:
                raise Failure(f"Orca did not fall quiet within {STEP_LIMIT:.0f} s")
            self.check_alive()
            time.sleep(0.1)
            now = os.path.getsize(self.debug)
            if now != size:
                size, still_since = now, time.monotonic()
        with open(self.debug, "rb") as log:
            log.seek(self.offset)
            text = log.read()
        end = text.rfind(b"\n") + 1  # a line still being written waits for the next step
        self.offset += end
        lines = text[:end].decode("utf-8", "replace").splitlines()
        return spoken(lines)

    def step(self, title, action=None):
        meanwhile = self.settle()  # said since the step before had fallen quiet
        if meanwhile:
            self.write("> (meanwhile, with no key)")
            for said in meanwhile:
                self.write(f"    {said}")
        if action:
            action()
        self.last_speech = self.settle()
        self.write(f"> {title}")
        for said in self.last_speech:
            self.write(f"    {said}")

    def check_alive(self):
        try:
            os.kill(self.orca, 0)
        except ProcessLookupError:
            raise Failure("Orca has ended")

    # -- the program -----------------------------------------------------------------------

    def start(self):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=os.environ["ORBET_GAME_CONFIG"])
        errors = open(os.environ["ORBET_GAME_ERRORS"], "w")

        def launch():
            self.game = subprocess.Popen([self.program], env=env, stdout=errors, stderr=errors)
            self.wait_window("Orbet")
        self.step(f"start {os.path.basename(self.program)}", launch)

    def finish(self):
        self.settle()
        code = self.game.poll() if self.game else None
        if self.game and code is None:
            self.game.send_signal(signal.SIGTERM)
            try:
                self.game.wait(5)
            except subprocess.TimeoutExpired:
                self.game.kill()
                self.game.wait()
            self.write("# the program was still running and was ended")
        elif code is not None:
            self.write(f"# the program ended by itself with status {code}")
            if code != 0:
                self.failed.append(f"the program ended with status {code}")

    def windows(self, title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                f"^{re.escape(title)}$"], capture_output=True, text=True)
        return found.stdout.split()

    def wait_window(self, title, present=True, limit=10.0):
        end = time.monotonic() + limit
        while bool(self.windows(title)) != present:
            if self.game is not None and self.game.poll() is not None:
                raise Failure(f"the program ended (status {self.game.returncode})")
            if time.monotonic() > end:
                raise Failure(f"window {title!r} {'never showed' if present else 'stayed'}")
            time.sleep(0.1)

    def key(self, name):
        *modifiers, key = name.split("+")
        # With Orca listening, a modifier pressed and released in the same instant as its key
        # may reach the program after the key: hold it a moment before and after.
        for modifier in modifiers:
            subprocess.run(["xdotool", "keydown", modifier], check=True)
            time.sleep(0.15)
        subprocess.run(["xdotool", "key", key], check=True)
        for modifier in reversed(modifiers):
            time.sleep(0.15)
            subprocess.run(["xdotool", "keyup", modifier], check=True)

    # -- the board, read over AT-SPI -------------------------------------------------------

    def cells(self):
        """The board's cells: every object of the program named like "row 3, column 5, red",
        whatever the roles of the board and its cells."""
        import pyatspi
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Orbet":
                found = pyatspi.findAllDescendants(app, lambda n: CELL.match(n.name or ""))
                if len(found) == 100:
                    return found
                raise Failure(f"{len(found)} cells on the accessibility bus, not 100")
        raise Failure("Orbet is not on the accessibility bus")

    def board(self):
        """{(row, column): (colour, focused)} from the cells' names and states."""
        import pyatspi
        grid = {}
        for cell in self.cells():
            m = CELL.match(cell.name)
            focused = cell.getState().contains(pyatspi.STATE_FOCUSED)
            grid[(int(m.group(1)), int(m.group(2)))] = (m.group(3), focused)
        return grid

    def cursor(self):
        at = [place for place, (_, focused) in self.board().items() if focused]
        if not at:
            # The first arrow key shows a hidden cursor.
            self.step("key Right", lambda: self.key("Right"))
            at = [place for place, (_, focused) in self.board().items() if focused]
        if not at:
            raise Failure("no cell has the focus")
        return at[0]

    def goto(self, row, column):
        r, c = self.cursor()
        moves = (["Down"] * (row - r) + ["Up"] * (r - row) +
                 ["Right"] * (column - c) + ["Left"] * (c - column))
        for name in moves:
            self.step(f"key {name}", lambda: self.key(name))

    def plan(self):
        """The ball nearest the cursor that can move, and the nearest cell it can reach."""
        grid = {place: colour for place, (colour, _) in self.board().items()}
        here = self.cursor()

        def distance(a, b):
            return abs(a[0] - b[0]) + abs(a[1] - b[1])

        best = None
        for ball, colour in grid.items():
            if colour == "empty":
                continue
            for target in reachable(grid, ball):
                cost = distance(here, ball) + distance(ball, target)
                if best is None or cost < best[0]:
                    best = (cost, ball, target)
        if best is None:
            raise Failure("no ball can move")
        return grid, best[1], best[2]

    def select_ball(self):
        grid, ball, target = self.plan()
        self.write(f"# select the {grid[ball]} ball at row {ball[0]}, column {ball[1]}")
        self.goto(*ball)
        self.step("key space", lambda: self.key("space"))
        self.planned = (grid, target)

    def move_ball(self):
        grid, target = self.planned
        self.write(f"# move it to row {target[0]}, column {target[1]}")
        self.goto(*target)
        self.step("key space", lambda: self.key("space"))
        after = {place: colour for place, (colour, _) in self.board().items()}
        changes = [f"row {r}, column {c}: {grid[(r, c)]} -> {after[(r, c)]}"
                   for (r, c) in sorted(grid) if grid[(r, c)] != after[(r, c)]]
        self.write("# the board changed (read over AT-SPI, not spoken): " + "; ".join(changes))

    def turn(self):
        self.select_ball()
        self.move_ball()

    def best_move(self, grid):
        """The move that makes the longest line of its colour, by a fixed random tie-break."""
        moves = []
        for ball, colour in grid.items():
            if colour == "empty":
                continue
            after = dict(grid)
            after[ball] = "empty"
            moves += [(line(after, to, colour), self.chance.random(), ball, to)
                      for to in reachable(grid, ball)]
        if not moves:
            raise Failure("no ball can move")
        return max(moves)[2:]

    def play_to_end(self, limit):
        import random
        self.chance = random.Random(7)
        for number in range(1, limit + 1):
            for title in ("GAME OVER", "HIGH SCORE"):
                if self.windows(title):
                    self.write(f"# the {title} question showed after {number - 1} turns")
                    return
            grid = {place: colour for place, (colour, _) in self.board().items()}
            here = self.cursor()
            ball, target = self.best_move(grid)
            keys = []
            for a, b in ((here, ball), (ball, target)):
                keys += (["Down"] * (b[0] - a[0]) + ["Up"] * (a[0] - b[0]) +
                         ["Right"] * (b[1] - a[1]) + ["Left"] * (a[1] - b[1]))
                keys.append("space")
            self.step(f"turn {number}: row {ball[0]}, column {ball[1]} to row {target[0]}, "
                      f"column {target[1]}",
                      lambda: subprocess.run(["xdotool", "key", "--delay", "50", *keys],
                                             check=True))
        raise Failure(f"the game did not end within {limit} turns")

    # -- scenarios -------------------------------------------------------------------------

    def expect(self, pattern, wanted):
        heard = " | ".join(self.last_speech)
        if bool(re.search(pattern, heard, re.IGNORECASE)) != wanted:
            what = "expected" if wanted else "not expected"
            self.failed.append(f"{what}: {pattern!r}, heard: {heard!r}")
            self.write(f"# FAILED: {what} {pattern!r}")

    def run(self, scenario):
        self.start()
        with open(scenario) as steps:
            for line in steps:
                line = line.strip()
                if not line or line.startswith("#"):
                    continue
                word, _, rest = line.partition(" ")
                if word == "key":
                    for name in rest.split():
                        self.step(f"key {name}", lambda: self.key(name))
                elif word == "burst":
                    self.step(line, lambda: subprocess.run(
                        ["xdotool", "key", "--clearmodifiers", "--delay", "100", *rest.split()],
                        check=True))
                elif word == "type":
                    self.step(line, lambda: subprocess.run(
                        ["xdotool", "type", "--delay", "40", rest], check=True))
                elif word == "goto":
                    self.goto(*map(int, rest.split()))
                elif word == "turn":
                    self.turn()
                elif word == "play-to-end":
                    self.play_to_end(int(rest) if rest else 300)
                elif word == "select-ball":
                    self.select_ball()
                elif word == "move-ball":
                    self.move_ball()
                elif word == "window":
                    self.step(line, lambda: self.wait_window(rest))
                elif word == "no-window":
                    self.step(line, lambda: self.wait_window(rest, present=False))
                elif word == "shot":
                    subprocess.run(["import", "-window", "root", rest], check=True)
                    self.write(f"# screen saved to {rest}")
                elif word == "settle":
                    self.step(line)
                elif word == "note":
                    self.write(f"# {rest}")
                elif word in ("expect", "expect-not"):
                    self.expect(shlex.split(rest)[0] if rest.startswith(("'", '"')) else rest,
                                word == "expect")
                else:
                    raise Failure(f"unknown step: {line}")


def main():
    program, scenario, output = sys.argv[1:4]
    session = Session(program, output)
    try:
        session.run(scenario)
    except Failure as failure:
        session.failed.append(str(failure))
        session.write(f"# FAILED: {failure}")
    finally:
        session.finish()
    for failure in session.failed:
        print(f"FAILED: {failure}", file=sys.stderr)
    return 1 if session.failed else 0


if __name__ == "__main__":
    sys.exit(main())
