"""The program as a user starts it: build/bin/kavor under a virtual X server."""
import os
import re
import shutil
import subprocess
import tempfile

from e2e_support import ENGINE_START, App, XServer, bin_dir, hiding_gl_extensions, run_tests

KAVOR = os.path.join(bin_dir(), "kavor")
ROOT = os.getcwd()

SHADER_MESSAGES = [
    "Loading simple texture shader...",
    "Loading simple color shader...",
    "Loading color with texture shader...",
    "Loading heightmap texture shader...",
    "Loading Directional Per Pixel Diffuse lightning shader...",
    "Loading Directional Per Vertex Diffuse lightning shader...",
    "Loading Point Per Pixel lightning shader...",
    "Loading Spot Per Pixel lightning shader...",
    "Loading Toon shader...",
    "Loading vertex diffuse light with texture shader...",
    "Loading pixel diffuse light with texture shader...",
    "Loading shadow mapping shader...",
    "Loading shadow mapping pcf shader...",
    "Loading parallax map shader...",
]


def expected_start():
    """The transcript up to the shader list; None stands for any text."""
    return (ENGINE_START +
            ["SUPPORT FBO", "BAMMMMMMMMMMMMMMMMMMMMMMEGGGG!!!",
             re.compile(r"Detected Video Card Vendor: .+"),
             re.compile(r"Detected Renderer: .+"),
             re.compile(r"Detected OpenGL version: .+"), "",
             "-------------========= Loading built in shaders ==========------------", ""] +
            SHADER_MESSAGES + ["Loading Font: Data/Font/font.tga"])


def check_lines(lines, expected):
    assert len(lines) >= len(expected), f"transcript too short:\n" + "\n".join(lines)
    for number, (line, want) in enumerate(zip(lines, expected), 1):
        ok = want.fullmatch(line) if isinstance(want, re.Pattern) else line == want
        assert ok, f"line {number}: {line!r} is not {want if isinstance(want, str) else want.pattern!r}"


def start(x, cwd=ROOT):
    app = App(x, KAVOR, cwd=cwd)
    x.wait_for_window("Kavor Engine")
    return app


def test_transcript_and_log_then_escape():
    with XServer() as x:
        app = start(x)
        x.xdotool("mousemove", 512, 384)
        app.quit_with_escape(x)
        check_lines(app.output().split("\n"), expected_start())
        # Texture messages start a line and leave it open, so the echo may share it.
        assert any(line.endswith("Init Camera 2D") for line in app.output().split("\n"))
    with open(os.path.join(ROOT, "Kavor_Engine.log")) as log:
        lines = log.read().split("\n")
    assert lines[1] == "Logger started...", lines
    assert "Kavor Engine" in lines[0], lines
    assert "Init Camera 2D" in lines
    assert lines[-2:] == ["Logger stopped...", ""], lines


def test_window_close_ends_with_status_zero():
    with XServer() as x:
        app = start(x)
        window = x.wait_for_window("Kavor Engine")
        x.close_window(window)
        assert app.wait() == 0


def test_missing_shaders_directory_is_reported_and_the_demo_runs_on():
    with tempfile.TemporaryDirectory() as workdir:
        shutil.copytree(os.path.join(ROOT, "Data"), os.path.join(workdir, "Data"))
        with XServer() as x:
            app = start(x, cwd=workdir)
            x.xdotool("mousemove", 512, 384)
            app.quit_with_escape(x)
            out = app.output()
    assert out.count("Cannot Load vertex shader: shaders/") == 14, out
    assert out.count("Cannot Load fragment shader: shaders/") == 14, out


def test_no_audio_device_is_reported_and_the_demo_runs_on():
    with XServer() as x:
        app = App(x, KAVOR, cwd=ROOT, env=x.env(SDL_AUDIODRIVER="no-such-driver"))
        x.wait_for_window("Kavor Engine")
        x.xdotool("mousemove", 512, 384)
        app.quit_with_escape(x)
        assert "Initialize Sound Manager...Unable to open audio!done." in app.output().split("\n")


def test_no_display_reports_and_fails_without_crashing():
    # Forcing the X11 driver keeps SDL from falling back to a text-mode one.
    env = dict(os.environ, DISPLAY=":4999", SDL_VIDEODRIVER="x11", SDL_AUDIODRIVER="dummy")
    done = subprocess.run([KAVOR], env=env, cwd=tempfile.gettempdir(), capture_output=True,
                          text=True, timeout=60)
    assert done.returncode == 1, (done.returncode, done.stdout, done.stderr)
    assert "Error: SDL Could not be initialized: '" in done.stdout, done.stdout
    assert "Error: no usable OpenGL window could be opened" in done.stdout, done.stdout


def test_missing_required_extension_is_reported_and_fails():
    with XServer() as x:
        for extension in ("GL_ARB_vertex_buffer_object", "GL_ARB_multitexture"):
            env = x.env(**hiding_gl_extensions(extension))
            done = subprocess.run([KAVOR], env=env, cwd=ROOT, capture_output=True, text=True, timeout=60)
            lines = done.stdout.split("\n")
            assert done.returncode == 1, (extension, done.returncode, done.stdout, done.stderr)
            assert f"Sorry, your video card does not support {extension} extension!" in lines, done.stdout
            assert "Error: no usable OpenGL window could be opened" in done.stdout, done.stdout
            # Nothing after the check runs: no OpenGL report, shaders or font.
            assert "Detected Renderer" not in done.stdout and "Loading Font" not in done.stdout, done.stdout


if __name__ == "__main__":
    run_tests([test_transcript_and_log_then_escape, test_window_close_ends_with_status_zero,
               test_missing_shaders_directory_is_reported_and_the_demo_runs_on,
               test_no_audio_device_is_reported_and_the_demo_runs_on,
               test_no_display_reports_and_fails_without_crashing,
               test_missing_required_extension_is_reported_and_fails])
