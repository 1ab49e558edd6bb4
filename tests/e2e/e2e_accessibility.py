#!/usr/bin/python3
"""The board on the accessibility bus, read as a screen reader reads it.

Usage: e2e_accessibility.py WINDOW_ID

Finds the object "Spielbrett" of the running game and checks: its 24 points are named
"<point> leer"; after Return (sent with xdotool to WINDOW_ID) the first point is "a7 weiß" and
has the focus; the computer's reply turns one point "schwarz". Both name changes must also
arrive as name-change events, which is what lets a screen reader announce them. Every wait
polls the bus against a deadline. Exit status 0 when all holds, 1 otherwise.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

POINTS = ("a7 d7 g7 b6 d6 f6 c5 d5 e5 a4 b4 c4 e4 f4 g4 "
          "c3 d3 e3 b2 d2 f2 a1 d1 g1").split()
POLL_MS = 100
# How long a step waits for what it looks for. Only a guard against a hang, as in the other
# end-to-end tests: the program registers on the bus after its window shows and the computer
# thinks 3.5 s, but how fast either comes depends on the machine's load.
STEP_SECONDS = 60


def log(text):
    print("[e2e_accessibility] " + text, flush=True)


def find_board():
    """The accessible "Spielbrett" of a running application, or None."""
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is None:
            continue
        board = pyatspi.findDescendant(
            app, lambda acc: acc is not None and acc.name == "Spielbrett")
        if board is not None:
            return board
    return None


def point_names(board):
    """The names of the board's points, read afresh from the application."""
    board.clear_cache()
    return [board.getChildAtIndex(i).name for i in range(board.childCount)]


class Check:
    """The steps of the test, one poll at a time from the main loop."""

    def __init__(self, window):
        self.window = window
        self.board = None
        self.announced = []
        self.status = 1
        self.step = self.wait_for_board
        self.deadline = time.monotonic() + STEP_SECONDS

    def on_name_change(self, event):
        # The event has brought the new name into the reader's cache of its source.
        self.announced.append(event.source.name)

    def poll(self):
        try:
            done = self.step()
        except Exception as error:  # the bus may refuse while the tree is being built
            log("poll: %s" % error)
            done = False
        if done is None:
            pyatspi.Registry.stop()
            return False
        if time.monotonic() > self.deadline:
            log("FAILED: timed out in %s; announced: %s" % (self.step.__name__, self.announced))
            pyatspi.Registry.stop()
            return False
        return True

    def next_step(self, step, seconds):
        self.step = step
        self.deadline = time.monotonic() + seconds

    def wait_for_board(self):
        self.board = find_board()
        if self.board is None:
            return False
        names = point_names(self.board)
        if names != [point + " leer" for point in POINTS]:
            log("points not yet as expected: %s" % names)
            return False
        log("Spielbrett with 24 empty points: %s" % self.board.description)
        subprocess.run(["xdotool", "windowfocus", "--sync", self.window], check=False)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Return"], check=True)
        self.next_step(self.wait_for_white, STEP_SECONDS)
        return False

    def wait_for_white(self):
        names = point_names(self.board)
        if names[0] != "a7 weiß" or "a7 weiß" not in self.announced:
            return False
        a7 = self.board.getChildAtIndex(0)
        if not a7.getState().contains(pyatspi.STATE_FOCUSED):
            log("FAILED: a7 does not have the focus")
            return None
        log("a7 weiß, focused and announced")
        self.next_step(self.wait_for_black, STEP_SECONDS)
        return False

    def wait_for_black(self):
        black = [name for name in point_names(self.board) if name.endswith(" schwarz")]
        if len(black) != 1 or black[0] not in self.announced:
            return False
        log("the computer's reply: %s, announced" % black[0])
        self.status = 0
        return None


def main():
    check = Check(sys.argv[1])
    pyatspi.Registry.registerEventListener(check.on_name_change,
                                           "object:property-change:accessible-name")
    GLib.timeout_add(POLL_MS, check.poll)
    pyatspi.Registry.start()
    return check.status


if __name__ == "__main__":
    sys.exit(main())
