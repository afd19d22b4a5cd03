"""The GUI demo as a person uses it: build/bin/kavor-guidemo under a virtual X
server, clicked and dragged with xdotool, checked on its console and on
screenshots."""
import os
import time

from e2e_support import App, XServer, bin_dir, check_stages, keep_screenshot, run_tests

GUIDEMO = os.path.join(bin_dir(), "kavor-guidemo")
ROOT = os.getcwd()
WINDOW = (112, 170)  # the main window's top-left corner at start
# Inside the Start button, relative to the window: opaque, and clear of the
# pointer, the tooltips and the texts the demo prints.
START_PATCH = (50, 56, 180, 104)


def start(x):
    app = App(x, GUIDEMO, cwd=ROOT)
    x.wait_for_window("Kavor Engine")
    x.xdotool("mousemove", 600, 700)
    time.sleep(1.5)
    return app


def act(x, *steps):
    """Runs xdotool steps with a pause after each, so every event gets a frame."""
    for step in steps:
        x.xdotool(*step)
        time.sleep(0.3)


def patch(image, corner, box=START_PATCH):
    x0, y0, x1, y1 = box
    return image.region(corner[0] + x0, corner[1] + y0, corner[0] + x1, corner[1] + y1)


def test_a_clicked_button_prints_its_number_and_quit_ends_the_demo():
    with XServer() as x:
        app = start(x)
        power = (WINDOW[0] + 250 + 75, WINDOW[1] + 150 + 30)
        act(x, ("mousemove", *power), ("click", 1))
        keep_screenshot(x.screenshot(), "gui-demo")
        act(x, ("mousemove", 600, 700))
        show_bar = (WINDOW[0] + 250 + 12, WINDOW[1] + 60 + 12)
        act(x, ("mousemove", *show_bar), ("click", 1))
        quit_button = (WINDOW[0] + 40 + 75, WINDOW[1] + 275 + 30)
        act(x, ("mousemove", *quit_button), ("click", 1))
        assert app.wait() == 0
        out = app.output()
        check_stages(out)
        clicks = [line for line in out.split("\n") if line.startswith("Clicked control")]
        assert clicks == ["Clicked control 5 (Power)", "Clicked control 986 (Show the progress bar)",
                          "Clicked control 4 (Quit)"], out[-2000:]


def test_dragging_the_title_bar_moves_the_window():
    with XServer() as x:
        app = start(x)
        before = x.screenshot()
        grip = (WINDOW[0] + 500, WINDOW[1] + 7)
        act(x, ("mousemove", *grip), ("mousedown", 1), ("mousemove", grip[0] + 30, grip[1] + 20),
            ("mousemove", grip[0] + 60, grip[1] + 40), ("mouseup", 1), ("mousemove", 600, 720))
        after = x.screenshot()
        moved = (WINDOW[0] + 60, WINDOW[1] + 40)
        assert patch(after, moved) == patch(before, WINDOW), "the Start button did not move by (60, 40)"
        assert patch(after, WINDOW) != patch(before, WINDOW)
        app.quit_with_escape(x)
        assert "Clicked control" not in app.output(), "a drag clicks nothing"


if __name__ == "__main__":
    run_tests([test_a_clicked_button_prints_its_number_and_quit_ends_the_demo,
               test_dragging_the_title_bar_moves_the_window])
