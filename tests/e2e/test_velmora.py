"""The picture-claim game as a player meets it: build/bin/kavor-velmora under a
virtual X server, steered with held arrow keys and checked on screenshots."""
import os
import tempfile
import time

from e2e_support import App, XServer, bin_dir, check_stages, keep_screenshot, run_tests

GAME = os.path.join(bin_dir(), "kavor-velmora")
ROOT = os.getcwd()
SIZE = 600
FREE, TRAIL, COLUMN_PAIR = (150, 200, 250), (250, 10, 10), (20, 20, 255)


class Field:
    """The field on a screenshot, in field coordinates (row 0 at the bottom);
    found as the top-left pixel of the block of free colour."""

    def __init__(self, image, origin=None):
        self.image = image
        self.left, self.top = origin or next(
            (x, y) for y in range(image.height) for x in range(image.width)
            if image.pixel(x, y) == FREE)

    def at(self, x, y):
        return self.image.pixel(self.left + x, self.top + SIZE - 1 - y)

    def run(self, x, y, dx, dy, colour):
        """How many pixels of this colour follow (x, y) in direction (dx, dy)."""
        n = 0
        while 0 <= x + dx * (n + 1) < SIZE and 0 <= y + dy * (n + 1) < SIZE and \
                self.at(x + dx * (n + 1), y + dy * (n + 1)) == colour:
            n += 1
        return n


def start(x, directory, timeout=20):
    """Starts the game in `directory`, given the game's data so the log file
    stays out of the tree, and waits for its first frame."""
    for name in ("Data", "shaders"):
        if os.path.isdir(os.path.join(ROOT, name)):
            os.symlink(os.path.join(ROOT, name), os.path.join(directory, name))
    app = App(x, GAME, cwd=directory)
    x.wait_for_window("Kavor Engine")
    deadline = time.time() + timeout
    while True:
        try:
            field = Field(x.screenshot())
            break
        except StopIteration:
            assert time.time() < deadline, "no field on the screen:\n" + app.output()[-2000:]
            time.sleep(0.2)
    # Beside the field, so a drawn mouse cursor hides none of it.
    x.xdotool("mousemove", field.left + SIZE + 150, field.top + 50)
    return app, (field.left, field.top)


def hold_until(x, key, origin, reached, timeout=30):
    """Holds the key in short bursts until a screenshot shows `reached`."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        x.xdotool("keydown", key)
        time.sleep(0.05)
        x.xdotool("keyup", key)
        field = Field(x.screenshot(), origin)
        if reached(field):
            return field
    raise AssertionError(f"holding {key} for {timeout} s never got there")


def test_closing_a_box_on_the_left_edge_claims_it():
    with XServer(1280, 1024) as x, tempfile.TemporaryDirectory() as directory:
        app, origin = start(x, directory)
        field = Field(x.screenshot(), origin)
        start_pixels = [field.at(0, 300), field.at(1, 300), field.at(0, 301)]
        assert start_pixels == [TRAIL, FREE, FREE], start_pixels

        # Right, then Up: a red trail from the start pixel, turning upwards.
        field = hold_until(x, "Right", origin, lambda f: f.run(0, 300, 1, 0, TRAIL) >= 60)
        corner = field.run(0, 300, 1, 0, TRAIL)
        assert corner < 200 and field.at(corner + 1, 300) == FREE, (corner, field.at(corner + 1, 300))
        field = hold_until(x, "Up", origin, lambda f: f.run(corner, 300, 0, 1, TRAIL) >= 60)
        top = 300 + field.run(corner, 300, 0, 1, TRAIL)
        assert field.at(corner // 2, 301) == FREE, "nothing is claimed before an edge"

        # Left back to the edge: the box between trail and edge is claimed.
        middle = (corner // 2, (300 + top) // 2)
        field = hold_until(x, "Left", origin, lambda f: f.at(*middle) == COLUMN_PAIR)
        for px in (1, corner // 2, corner - 1):
            for py in (300, middle[1], top - 1):
                assert field.at(px, py) == COLUMN_PAIR, ((px, py), field.at(px, py))
        for outside in ((corner + 10, middle[1]), (middle[0], top + 10), (middle[0], 290)):
            assert field.at(*outside) == FREE, (outside, field.at(*outside))
        keep_screenshot(field.image, "velmora", x.window_box(x.wait_for_window("Kavor Engine")))

        app.quit_with_escape(x)
        out = app.output()
        assert "Fillrectangle...\n" in out and "\nCumi 1....\nbal\n" in out, out[-2000:]
        check_stages(out)


def test_two_arrows_held_move_nothing_and_closing_ends_the_game():
    with XServer(1280, 1024) as x, tempfile.TemporaryDirectory() as directory:
        app, origin = start(x, directory)
        # One input event is taken per frame, so the first of the two presses
        # can move the head a step or two before the second one is seen.
        x.xdotool("keydown", "--delay", "0", "Right+Up")
        time.sleep(0.3)
        first = Field(x.screenshot(), origin)
        time.sleep(0.5)
        second = Field(x.screenshot(), origin)
        x.xdotool("keyup", "--delay", "0", "Right+Up")
        band = [(px, py) for py in range(280, 321) for px in range(SIZE)]
        assert [first.at(*p) for p in band] == [second.at(*p) for p in band], "the head moved"
        changed = [p for p in band if second.at(*p) != FREE]
        assert changed and all(px <= 10 for px, _ in changed), changed[:10]
        x.close_window(x.wait_for_window("Kavor Engine"))
        assert app.wait() == 0


if __name__ == "__main__":
    run_tests([test_closing_a_box_on_the_left_edge_claims_it,
               test_two_arrows_held_move_nothing_and_closing_ends_the_game])
