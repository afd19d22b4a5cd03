"""The picture-claim game as a player meets it: build/bin/kavor-velmora under a
virtual X server, steered with held arrow keys and checked on screenshots."""
import os
import tempfile
import time

from e2e_support import App, XServer, bin_dir, run_tests

GAME = os.path.join(bin_dir(), "kavor-velmora")
ROOT = os.getcwd()
SIZE = 600
FREE = (150, 200, 250)
TRAIL = (250, 10, 10)
COLUMN_PAIR = (20, 20, 255)


def close(a, b, tolerance=8):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


class Field:
    """The 600 x 600 field on a screenshot, in field coordinates (row 0 at the bottom)."""

    def __init__(self, image, origin=None):
        self.image = image
        self.left, self.top = origin or self._locate()

    def _locate(self):
        """Top-left screen pixel of the block of free colour."""
        for y in range(self.image.height):
            for x in range(0, self.image.width, 4):
                if close(self.image.pixel(x, y), FREE):
                    while x > 0 and close(self.image.pixel(x - 1, y), FREE):
                        x -= 1
                    return x, y
        raise AssertionError("no field on the screen")

    def at(self, x, y):
        return self.image.pixel(self.left + x, self.top + SIZE - 1 - y)

    def is_(self, x, y, colour):
        return close(self.at(x, y), colour)

    def run(self, x, y, dx, dy, colour):
        """How many pixels of this colour follow (x, y) in direction (dx, dy)."""
        n = 0
        while 0 <= x + dx * (n + 1) < SIZE and 0 <= y + dy * (n + 1) < SIZE and \
                self.is_(x + dx * (n + 1), y + dy * (n + 1), colour):
            n += 1
        return n


def start(x, directory, timeout=20):
    """Starts the game in `directory` (given the game's data, so the log file
    stays out of the tree) and waits for its first frame."""
    for name in ("Data", "shaders"):
        if os.path.isdir(os.path.join(ROOT, name)):
            os.symlink(os.path.join(ROOT, name), os.path.join(directory, name))
    app = App(x, GAME, cwd=directory)
    try:
        x.wait_for_window("Kavor Engine")
    except AssertionError as error:
        raise AssertionError(f"{error}; game running: {app.running()}; X server {x.display} "
                             f"exit status: {x.proc.poll()}; console:\n{app.output()[-2000:]}")
    deadline = time.time() + timeout
    while True:
        try:
            field = Field(x.screenshot())
            break
        except AssertionError:
            if time.time() > deadline:
                raise
            time.sleep(0.2)
    x.xdotool("mousemove", field.left + SIZE // 2, field.top + SIZE // 2)
    return app, field


def hold(x, keys, seconds):
    for key in keys:
        x.xdotool("keydown", key)
    time.sleep(seconds)
    for key in keys:
        x.xdotool("keyup", key)


def hold_until(x, key, origin, reached, timeout=30):
    """Holds the key in short bursts until a screenshot shows `reached`."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        hold(x, [key], 0.05)
        field = Field(x.screenshot(), origin)
        if reached(field):
            return field
    raise AssertionError(f"holding {key} for {timeout} s never got there")


def test_closing_a_box_on_the_left_edge_claims_it():
    with XServer(1280, 1024) as x, tempfile.TemporaryDirectory() as directory:
        app, field = start(x, directory)
        origin = (field.left, field.top)
        assert field.is_(0, 300, TRAIL), field.at(0, 300)
        assert field.is_(1, 300, FREE) and field.is_(0, 301, FREE)

        # Right: a red trail along row 300 from the start pixel.
        field = hold_until(x, "Right", origin, lambda f: f.run(0, 300, 1, 0, TRAIL) >= 60)
        corner = field.run(0, 300, 1, 0, TRAIL)
        assert corner < 200, "the head ran much further than the keys were held"
        assert field.is_(corner + 1, 300, FREE) and field.is_(corner // 2, 299, FREE)

        # Up: the trail turns upwards at the head's column.
        field = hold_until(x, "Up", origin, lambda f: f.run(corner, 300, 0, 1, TRAIL) >= 60)
        top = 300 + field.run(corner, 300, 0, 1, TRAIL)
        assert field.is_(corner // 2, 300 + 1, FREE), "nothing is claimed before an edge"

        # Left back to the edge: the box between trail and edge is claimed.
        middle = (corner // 2, (300 + top) // 2)
        field = hold_until(x, "Left", origin, lambda f: f.is_(*middle, COLUMN_PAIR))
        for px in (1, corner // 2, corner - 1):
            for py in (300, (300 + top) // 2, top - 1):
                assert field.is_(px, py, COLUMN_PAIR), ((px, py), field.at(px, py))
        for outside in ((corner + 10, (300 + top) // 2), (corner // 2, top + 10),
                        (corner // 2, 290), (SIZE - 1, 0)):
            assert field.is_(*outside, FREE), (outside, field.at(*outside))

        x.xdotool("key", "Escape")
        assert app.wait() == 0
        out = app.output()
        assert "Fillrectangle...\n" in out and "Fillrectangle...vertically\n" in out


def test_two_arrows_held_move_nothing_and_closing_ends_the_game():
    with XServer(1280, 1024) as x, tempfile.TemporaryDirectory() as directory:
        app, field = start(x, directory)
        origin = (field.left, field.top)
        # The game takes one input event per frame, so the first of the two
        # presses can move the head a step before the second one is seen.
        x.xdotool("keydown", "--delay", "0", "Right+Up")
        time.sleep(0.3)
        first = Field(x.screenshot(), origin)
        time.sleep(0.5)
        second = Field(x.screenshot(), origin)
        x.xdotool("keyup", "--delay", "0", "Right+Up")
        band = [(px, py) for py in range(280, 321) for px in range(SIZE)]
        assert [first.at(*p) for p in band] == [second.at(*p) for p in band], "the head moved"
        changed = [p for p in band if not second.is_(*p, FREE)]
        assert changed and all(px <= 10 for px, _ in changed), changed[:10]
        x.close_window(x.wait_for_window("Kavor Engine"))
        assert app.wait() == 0


if __name__ == "__main__":
    run_tests([test_closing_a_box_on_the_left_edge_claims_it,
               test_two_arrows_held_move_nothing_and_closing_ends_the_game])
