"""The examples a newcomer reads first start, draw what they are about, and end
with Escape (run from the repository root, as their comments say)."""
import os
import time

from e2e_support import App, XServer, bin_dir, keep_screenshot, run_tests


def example(name):
    return os.path.join(bin_dir(), f"example-{name}")


def quit_with_escape(x, app):
    app.quit_with_escape(x)
    output = app.output()
    assert "Failed" not in output and "Cannot" not in output, output


def test_sprites_and_text():
    with XServer(640, 480) as x:
        app = App(x, example("sprites-and-text"))
        x.wait_for_window("Kavor Engine")
        yellow_title = lambda p: p[0] > 200 and p[1] > 180 and p[2] < 100
        shot = x.screenshot_until(lambda s: s.count((200, 40, 400, 56), yellow_title) > 50)
        assert shot.count((200, 40, 400, 56), yellow_title) > 50, "no title text"
        # The sprite's first frame: the power button's dark plate.
        assert shot.pixel(300, 310)[2] > shot.pixel(300, 310)[0], "no sprite"
        keep_screenshot(shot, "example-sprites-and-text")
        quit_with_escape(x, app)


def test_lit_model():
    with XServer(800, 600) as x:
        app = App(x, example("lit-model"))
        x.wait_for_window("Kavor Engine")
        green = lambda p: p[1] > 60 and p[1] > p[0] + 15 and p[1] > p[2] + 30
        character = (340, 180, 480, 420)
        shot = x.screenshot_until(lambda s: s.count(character, green) > 500)
        assert shot.count(character, green) > 500, "no character"
        keep_screenshot(shot, "example-lit-model")
        quit_with_escape(x, app)


def test_gui_window():
    with XServer(800, 600) as x:
        app = App(x, example("gui-window"))
        x.wait_for_window("Kavor Engine")
        x.screenshot_until(lambda s: s.count((140, 140, 290, 200), lambda p: p[0] > 200 and p[1] > 120) > 1000)
        x.xdotool("mousemove", 200, 170)
        time.sleep(0.3)
        keep_screenshot(x.screenshot(), "example-gui-window")
        x.xdotool("click", 1)
        deadline = time.time() + 10
        while "Clicked control 1" not in app.output() and time.time() < deadline:
            time.sleep(0.1)
        assert "Clicked control 1" in app.output(), app.output()
        quit_with_escape(x, app)


run_tests([test_sprites_and_text, test_lit_model, test_gui_window])
