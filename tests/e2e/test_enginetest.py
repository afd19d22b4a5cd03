"""The engine test application as a person sees it: the ground, the hobgoblin
and the crusader load without a failure, the crusader's shadow darkens the
ground, holding Left moves the light and the shadow with it, and Escape quits.
On a card without frame buffer objects the shadow map is copied from the
window: the shadow still falls, with one warning and no OpenGL error."""
import os
import time

from e2e_support import App, XServer, bin_dir, check_stages, hiding_gl_extensions, keep_screenshot, run_tests

ENGINETEST = os.path.join(bin_dir(), "kavor-enginetest")
LOADER_LINES = ["Obj:NAME: ground", "Material Name1: Data/Models/MD2/hobgoblin.bmp", "Texture-----:"]
# Ground patches as the default camera shows them in the 800 x 600 window
# (the pointer starts in the window's middle, so mouse-look does not turn).
LIT_GROUND = (380, 180, 420, 220)
CRUSADER_SHADOW = (565, 305, 585, 335)


def check_shadow(shot):
    """The crusader's shadow darkens the lit ground; returns its brightness."""
    lit, shadow = shot.mean(LIT_GROUND), shot.mean(CRUSADER_SHADOW)
    assert shadow < 0.8 * lit, f"no shadow: ground {lit:.0f}, shadow {shadow:.0f}"
    return shadow


def settled(x, seconds=4):
    """A screenshot once the first frames (and their loading) are over."""
    time.sleep(seconds)
    return x.screenshot()


def test_scene_shadow_follows_the_light():
    with XServer(800, 600) as x:
        app = App(x, ENGINETEST)
        x.wait_for_window("Kavor Engine")
        before = settled(x)
        keep_screenshot(before, "enginetest")
        shadow = check_shadow(before)
        x.xdotool("keydown", "Left")
        time.sleep(1.5)
        x.xdotool("keyup", "Left")
        after = settled(x, 1)
        moved = after.mean(CRUSADER_SHADOW)
        assert moved > 1.15 * shadow, f"the shadow stayed: {shadow:.0f} before, {moved:.0f} after"
        app.quit_with_escape(x)
    output = app.output()
    check_stages(output)
    for line in LOADER_LINES:
        assert line in output, f"{line!r} missing:\n{output}"
    for failure in ("Could not load", "Cannot", "Failed", "Unable", "Error"):
        assert failure not in output, f"{failure!r} in:\n{output}"


def test_shadow_map_without_framebuffer_objects():
    with XServer(800, 600) as x:
        env = x.env(MESA_DEBUG="1", **hiding_gl_extensions("GL_EXT_framebuffer_object"))
        app = App(x, ENGINETEST, env=env)
        x.wait_for_window("Kavor Engine")
        shot = settled(x)
        check_shadow(shot)
        app.quit_with_escape(x)
    output = app.output()
    warning = "Warning: Your video card does not support GL_EXT_framebuffer_object extension!"
    assert output.count(warning) == 1, output
    assert "Mesa: User error" not in output, output


run_tests([test_scene_shadow_follows_the_light, test_shadow_map_without_framebuffer_objects])
