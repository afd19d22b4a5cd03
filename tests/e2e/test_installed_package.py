"""A project of its own builds against the engine installed with `cmake --install`
(find_package(Kavor) and Kavor::engine) and runs with the installed shaders and
font in its working directory."""
import os
import shutil
import subprocess
import tempfile

from e2e_support import App, XServer, bin_dir, run_tests

BUILD = os.path.dirname(bin_dir())
PROJECT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "package")


def run(*command, **kwargs):
    result = subprocess.run(command, capture_output=True, text=True, **kwargs)
    assert result.returncode == 0, f"{' '.join(command)}:\n{result.stdout}{result.stderr}"
    return result


def test_installed_engine_builds_and_runs_a_game():
    with tempfile.TemporaryDirectory() as scratch:
        stage = os.path.join(scratch, "stage")
        run("cmake", "--install", BUILD, "--prefix", stage)
        game_build = os.path.join(scratch, "game")
        run("cmake", "-S", PROJECT, "-B", game_build, f"-DCMAKE_PREFIX_PATH={stage}")
        run("cmake", "--build", game_build, "-j2")
        # An installed game ships the engine's data beside its working directory.
        work = os.path.join(scratch, "work")
        shutil.copytree(os.path.join(stage, "share", "kavor"), work)
        with XServer(320, 240) as x:
            app = App(x, os.path.join(game_build, "installed-game"), cwd=work)
            x.wait_for_window("Kavor Engine")
            text, yellow = (20, 100, 200, 116), lambda p: p[0] > 200 and p[1] > 200 and p[2] < 80
            shot = x.screenshot_until(lambda s: s.count(text, yellow) > 50,
                                      path=os.path.join(scratch, "shot.png"))
            found = shot.count(text, yellow)
            assert found > 50, f"the text is not on screen ({found} yellow pixels)"
            app.quit_with_escape(x)
        output = app.output()
        assert "Loading Font: Data/Font/font.tga" in output, output
        assert "Cannot" not in output and "Failed" not in output, output


run_tests([test_installed_engine_builds_and_runs_a_game])
