"""The parallax demo as a user sees and drives it, under a virtual X server."""
import os
import shutil
import tempfile
import time

from e2e_support import App, XServer, bin_dir, keep_screenshot, run_tests

KAVOR = os.path.join(bin_dir(), "kavor")
ROOT = os.getcwd()
LANDSCAPE = (0, 560, 760, 640)   # x0, y0, x1, y1: hills and trees, clear of the logo
SKY_BAND = (0, 82, 1024, 100)    # below the text, above the front clouds


def horizontal_shift(before, after, box, search=400):
    """How far the content of box moved left between the two screenshots."""
    x0, y0, x1, y1 = box
    best, best_cost = 0, None
    for shift in range(-search, search + 1, 1):
        cost, samples = 0, 0
        for y in range(y0, y1, 4):
            for x in range(max(x0, x0 - shift), min(x1, x1 - shift), 3):
                a, b = before.pixel(x + shift, y), after.pixel(x, y)
                cost += abs(a[0] - b[0]) + abs(a[1] - b[1]) + abs(a[2] - b[2])
                samples += 1
        if samples > 200 and (best_cost is None or cost / samples < best_cost):
            best, best_cost = shift, cost / samples
    return best


def start(x):
    app = App(x, KAVOR, cwd=ROOT)
    x.wait_for_window("Kavor Engine")
    x.xdotool("mousemove", 512, 420)
    time.sleep(2.5)  # the first frame-rate line appears after a second
    return app


def quit_with_escape(x, app):
    x.xdotool("mousemove", 512, 420)
    app.quit_with_escape(x)


def test_first_screen_shows_landscape_title_help_logo_and_pointer():
    with XServer() as x:
        app = start(x)
        x.xdotool("mousemove", 300, 300)
        time.sleep(0.5)
        with_pointer = x.screenshot()
        x.xdotool("mousemove", 520, 300)
        time.sleep(0.5)
        without_pointer = x.screenshot()
        quit_with_escape(x, app)
    keep_screenshot(with_pointer, "parallax-demo")
    shot = with_pointer
    assert shot.count(LANDSCAPE, lambda p: p[1] > p[0] and p[1] > p[2]) > 0.5 * 760 * 80, "no green landscape"
    assert shot.count((400, 5, 700, 26), lambda p: p[0] > 200 and 140 < p[1] < 230 and p[2] < 90) > 80, \
        "no gold title"
    assert shot.count((10, 30, 560, 75), lambda p: p[0] > 200 and p[1] < 110 and p[2] < 110) > 200, \
        "no red help lines"
    assert shot.count((1, 5, 200, 20), lambda p: min(p) > 220) > 40, "no frame-rate text"
    assert shot.count((770, 640, 1020, 766), lambda p: p[0] > 200 and p[1] > 140 and p[2] < 90) > 300, \
        "no logo in the bottom-right corner"
    changed = sum(1 for a, b in zip(with_pointer.region(300, 300, 320, 330),
                                    without_pointer.region(300, 300, 320, 330)) if a != b)
    assert changed > 40, "no pointer drawn at the mouse position"


def test_right_arrow_moves_the_landscape_left_and_the_sky_stays():
    with XServer() as x:
        app = start(x)
        before = x.screenshot()
        x.xdotool("keydown", "Right")
        time.sleep(0.8)
        x.xdotool("keyup", "Right")
        time.sleep(0.3)
        after = x.screenshot()
        quit_with_escape(x, app)
    moved = horizontal_shift(before, after, LANDSCAPE)
    assert moved > 20, f"the landscape moved {moved} px"
    assert horizontal_shift(before, after, SKY_BAND) == 0, "the sky moved"


def test_pointer_at_the_left_edge_scrolls_the_other_way():
    with XServer() as x:
        app = start(x)
        before = x.screenshot()
        x.xdotool("mousemove", 0, 420)
        time.sleep(0.8)
        x.xdotool("mousemove", 512, 420)
        time.sleep(0.3)
        after = x.screenshot()
        quit_with_escape(x, app)
    moved = horizontal_shift(before, after, LANDSCAPE)
    assert moved < -20, f"the landscape moved {moved} px"


def test_escape_quits_and_the_log_records_the_camera():
    with XServer() as x:
        app = start(x)
        quit_with_escape(x, app)
    with open(os.path.join(ROOT, "Kavor_Engine.log")) as log:
        assert "Init Camera 2D\n" in log.read()


def test_missing_images_are_reported_and_the_demo_runs_on():
    with tempfile.TemporaryDirectory() as workdir:
        shutil.copytree(os.path.join(ROOT, "shaders"), os.path.join(workdir, "shaders"))
        with XServer() as x:
            app = App(x, KAVOR, cwd=workdir)
            x.wait_for_window("Kavor Engine")
            for edge in (0, 1023, 512):  # scroll both ways over the empty layers
                x.xdotool("mousemove", edge, 400)
                time.sleep(0.5)
            app.quit_with_escape(x)
            out = app.output()
    for name in ("Logo/k3dlogo.png", "scroll/Background03_big_alpha.png", "MousePointer.png"):
        assert f"Failed to load the image: Data/{name}" in out, out


if __name__ == "__main__":
    run_tests([test_first_screen_shows_landscape_title_help_logo_and_pointer,
               test_right_arrow_moves_the_landscape_left_and_the_sky_stays,
               test_pointer_at_the_left_edge_scrolls_the_other_way,
               test_escape_quits_and_the_log_records_the_camera,
               test_missing_images_are_reported_and_the_demo_runs_on])
