"""Shared helpers for end-to-end tests: a virtual X server, the application
under test, real input through xdotool, and screenshots read back as pixels."""
import argparse
import os
import subprocess
import sys
import tempfile
import time

# The engine's start-up lines, one per manager it creates, in order.
ENGINE_STAGES = [
    "Initialize Graphics Core...done.",
    "Initialize Utils...done.",
    "Initialize Font Manager...done.",
    "Initialize Texture Manager...done.",
    "Initialize Event Manager...done.",
    "Initialize Window Manager...done.",
    "Initialize Sound Manager...done.",
    "Initialize the Camera...done.",
    "Initialize Camera Manager...done.",
    "Initialize Shader Manager...done.",
    "Initialize Light Manager...done.",
    "Initialize Logger...done.",
    "",
    "Initialize Game Object Manager...done.",
    "",
]
# The transcript up to the window: the banner, then the stages.
ENGINE_START = ["", "Kavor Engine version 0.03...", "", ""] + ENGINE_STAGES


def check_stages(output):
    """The banner and the engine's start-up lines open every program's transcript."""
    lines = output.split("\n")[:len(ENGINE_START)]
    assert lines == ENGINE_START, "\n".join(lines)


def bin_dir():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin-dir", default="build/bin")
    args, _ = parser.parse_known_args()
    return os.path.abspath(args.bin_dir)


def hiding_gl_extensions(*extensions):
    """Environment entries that hide OpenGL extensions from a program: the
    hiding library is preloaded beside whatever is preloaded already (the
    sanitized run keeps Mesa's driver loaded that way)."""
    preload = [os.path.join(bin_dir(), "hide_gl_extensions.so"), os.environ.get("LD_PRELOAD", "")]
    return {"LD_PRELOAD": " ".join(filter(None, preload)), "KAVOR_HIDE_GL_EXTENSIONS": " ".join(extensions)}


class XServer:
    """Starts Xvfb on a free display for the duration of a with-block."""

    def __init__(self, width=1024, height=768):
        self.size = f"{width}x{height}x24"
        self.proc = None
        self.display = None

    def __enter__(self):
        # Xvfb picks a free display itself and writes its number once it is
        # ready, so parallel runs never collide on a display.
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number:
            self.proc.wait()
            raise RuntimeError("could not start Xvfb")
        self.display = f":{number}"
        return self

    def __exit__(self, *exc):
        self.proc.terminate()
        self.proc.wait()

    def env(self, **extra):
        env = dict(os.environ, DISPLAY=self.display, SDL_AUDIODRIVER="dummy")
        env.update(extra)
        return env

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env(), check=True,
                       stdout=subprocess.DEVNULL)

    def wait_for_window(self, name, timeout=20):
        """Waits until a window with this caption exists; returns its id."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = subprocess.run(["xdotool", "search", "--name", name], env=self.env(),
                                   capture_output=True, text=True)
            if found.returncode == 0 and found.stdout.split():
                return found.stdout.split()[0]
            time.sleep(0.1)
        raise AssertionError(f"no window named {name!r} appeared")

    def close_window(self, window):
        """Sends the close request a window manager's close button sends."""
        subprocess.run([os.path.join(bin_dir(), "send_close_request"), window],
                       env=self.env(), check=True)

    def window_box(self, window):
        """The window's x, y, width and height on the screen."""
        shell = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=self.env(),
                               check=True, capture_output=True, text=True).stdout
        fields = dict(line.split("=", 1) for line in shell.split())
        return tuple(int(fields[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))

    def screenshot(self, path=None):
        """Grabs the whole screen; returns an Image."""
        path = path or tempfile.mktemp(suffix=".png")
        subprocess.run(["import", "-window", "root", path], env=self.env(), check=True)
        return Image.load(path)

    def screenshot_until(self, condition, timeout=20, path=None):
        """Screenshots until condition(shot) holds or time runs out; returns the last one."""
        deadline = time.time() + timeout
        while True:
            shot = self.screenshot(path)
            if condition(shot) or time.time() > deadline:
                return shot
            time.sleep(0.2)


class Image:
    """RGB pixels of an image file, read through ImageMagick."""

    def __init__(self, width, height, data, path):
        self.width, self.height, self.data, self.path = width, height, data, path

    @staticmethod
    def load(path):
        ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                             capture_output=True).stdout
        fields, offset = [], 0
        while len(fields) < 4:  # magic, width, height, maxval
            while ppm[offset:offset + 1].isspace():
                offset += 1
            end = offset
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[offset:end])
            offset = end
        width, height = int(fields[1]), int(fields[2])
        return Image(width, height, ppm[offset + 1:], path)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def region(self, x0, y0, x1, y1):
        return [self.pixel(x, y) for y in range(y0, y1) for x in range(x0, x1)]

    def count(self, box, test):
        """How many pixels of box (x0, y0, x1, y1) pass test((r, g, b))."""
        return sum(1 for p in self.region(*box) if test(p))

    def mean(self, box):
        """The mean channel value over box (x0, y0, x1, y1)."""
        pixels = self.region(*box)
        return sum(sum(p) for p in pixels) / (3 * len(pixels))


def keep_screenshot(image, name, box=None):
    """Copies a screenshot to $KAVOR_SCREENSHOT_DIR/<name>.png, cut to box (x, y,
    width, height) when given: the documentation's pictures, taken by
    scripts/take-screenshots.sh. Nothing is kept while the variable is unset."""
    directory = os.environ.get("KAVOR_SCREENSHOT_DIR")
    if not directory:
        return
    os.makedirs(directory, exist_ok=True)
    crop = ["-crop", "{2}x{3}+{0}+{1}".format(*box), "+repage"] if box else []
    subprocess.run(["convert", image.path, *crop, os.path.join(directory, name + ".png")], check=True)


class App:
    """An application under test, its console captured to a file."""

    def __init__(self, xserver, executable, cwd=None, env=None):
        self.log = tempfile.TemporaryFile(mode="w+")
        self.proc = subprocess.Popen([executable], env=env or xserver.env(), cwd=cwd,
                                     stdout=self.log, stderr=subprocess.STDOUT)

    def wait(self, timeout=30):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
            raise AssertionError("the application did not exit")

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def running(self):
        return self.proc.poll() is None

    def quit_with_escape(self, x):
        """Presses Escape; the application must exit with status zero."""
        x.xdotool("key", "Escape")
        assert self.wait() == 0, self.output()


def run_tests(tests):
    """Runs test functions; prints a summary line; exits non-zero on failure."""
    failed = 0
    for test in tests:
        try:
            test()
            print(f"PASS {test.__name__}")
        except Exception as error:  # report every failure, keep going
            failed += 1
            print(f"FAIL {test.__name__}: {error}")
    print(f"{len(tests) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)
