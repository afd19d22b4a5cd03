"""The engine test application starts from the repository root, loads its three
models without a failure, draws its scene and ends with Escape."""
import os
import time

from e2e_support import App, XServer, bin_dir, check_stages, keep_screenshot, run_tests

ENGINETEST = os.path.join(bin_dir(), "kavor-enginetest")
ROOT = os.getcwd()


def test_scene_loads_its_models_and_escape_quits():
    with XServer(800, 600) as x:
        app = App(x, ENGINETEST, cwd=ROOT)
        x.wait_for_window("Kavor Engine")
        # The window's centre, where mouse-look leaves the view as it is.
        x.xdotool("mousemove", 400, 300)
        time.sleep(3)
        shot = x.screenshot()
        keep_screenshot(shot, "enginetest")
        x.xdotool("key", "Escape")
        assert app.wait() == 0, app.output()[-2000:]
    out = app.output()
    check_stages(out)
    for failure in ("Could not load", "Cannot", "Failed", "damaged", "Unable"):
        assert failure not in out, failure + "\n" + out[-2000:]
    # Top left: the information window with the vertex read-out in white.
    white = [p for p in shot.region(0, 80, 300, 96) if min(p) > 200]
    assert len(white) > 100, f"no vertex read-out ({len(white)} white pixels)"


if __name__ == "__main__":
    run_tests([test_scene_loads_its_models_and_escape_quits])
