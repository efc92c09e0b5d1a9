"""The viewer as a user meets it: the real program under an X server without a window manager,
driven with xdotool at the rectangles its skin gives its buttons, looked at through screenshots
(ImageMagick's import), answered through its own dialogs and message boxes.

Run under xvfb-run; see tests/e2e/CMakeLists.txt.
"""

import argparse
import configparser
import contextlib
import io
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

import pydicom.data
from PIL import Image, ImageChops, ImageStat

ARGS = None
TIMEOUT = 15.0


def poll(condition, what, timeout=TIMEOUT, every=0.05):
    """The first true value of condition(), polled until `timeout` seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(every)


def xdotool(*args):
    result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else ""


class CSkin:
    """The rectangles of the skin the viewer loads: its start-up package when the build made one,
    else the development skin's folder."""

    def __init__(self, skins):
        package = os.path.join(skins, "Purple.skn")
        if os.path.exists(package):
            with zipfile.ZipFile(package) as archive:
                entries = {name.lower(): archive.read(name) for name in archive.namelist()}
            read = lambda name: entries[name.lower()]
        else:
            folder = os.path.join(skins, "Test")

            def read(name):
                with open(os.path.join(folder, name), "rb") as file:
                    return file.read()

        text = read("Skin.ini").decode("latin-1")
        ini = configparser.ConfigParser(interpolation=None, strict=False)
        ini.read_string(text)
        self.ini = ini
        # The window is as large as its background picture.
        header = read(self.value("Screen", "Main"))
        width, height = struct.unpack("<ii", header[18:26])
        self.size = (width, abs(height))
        self.buttons = {}
        for _, value in self.section("BUTTONINFO"):
            fields = value.split(",")
            self.buttons.setdefault(fields[0], tuple(int(f) for f in fields[2:6]))
        # Each edit box: its rectangle and its background colour.
        self.edits = [(tuple(int(f) for f in v.split(",")[1:5]), int(v.split(",")[5], 0))
                      for _, v in self.section("EDITBOXINFO")]
        self.control = tuple(int(f) for f in self.value("CONTROL", "CONTROL").split(","))
        # The promotional popup's close button, on the popup.
        self.popup_close = next((tuple(int(f) for f in v.split(",")[2:6]) for _, v in self.section("TASKBARBUTTON")
                                 if v.split(",")[0] == "TASKBUTTON_EXIT"), None)

    def section(self, name):
        for section in self.ini.sections():
            if section.upper() == name:
                items = [(int(k), v.strip().strip('"')) for k, v in self.ini.items(section) if k.isdigit() and v.strip()]
                return sorted(items)
        return []

    def value(self, section, key):
        for name in self.ini.sections():
            if name.upper() == section.upper():
                return self.ini.get(name, key).strip().strip('"')
        raise KeyError(section)


class CViewer:
    """The running program and the windows it shows."""

    def __init__(self, skin, *arguments):
        self.skin = skin
        self.process = subprocess.Popen([ARGS.viewer, *arguments], cwd=ARGS.skins,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.window = poll(self.main_window, "the viewer window")
        self.origin = self.position(self.window)
        self.shown = set(self.windows())

    def windows(self):
        found = xdotool("search", "--onlyvisible", "--pid", self.process.pid)
        return [w for w in found.split()]

    @staticmethod
    def geometry(window):
        out = xdotool("getwindowgeometry", "--shell", window)
        values = dict(line.split("=") for line in out.splitlines() if "=" in line)
        if not values:
            return None
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def position(self, window):
        x, y, _, _ = self.geometry(window)
        return x, y

    def main_window(self):
        for window in self.windows():
            geometry = self.geometry(window)
            if geometry and geometry[2:] == self.skin.size:
                return window
        return None

    def new_window(self):
        """A dialog or message box of the viewer window that was not there before."""
        for window in self.windows():
            if window in self.shown or window == self.window:
                continue
            owner = subprocess.run(["xprop", "-id", window, "WM_TRANSIENT_FOR"], capture_output=True, text=True)
            if owner.stdout.strip().endswith("# " + hex(int(self.window))):
                return window
        return None

    def wait_new_window(self, what):
        window = poll(self.new_window, what)
        # Qt gives a new window the keyboard focus itself where no window manager does.
        poll(lambda: xdotool("getwindowfocus") == window, what + " to take the keyboard")
        return window

    def wait_closed(self, window, what):
        poll(lambda: window not in self.windows(), what + " to close")

    def click_at(self, x, y):
        xdotool("mousemove", "--sync", x, y)
        xdotool("click", "1")
        # Away from the buttons, so that no hint pops up over what a screenshot shows.
        xdotool("mousemove", "--sync", 1270, 790)

    def click(self, button):
        left, top, right, bottom = self.skin.buttons[button]
        self.click_at(self.origin[0] + (left + right) // 2, self.origin[1] + (top + bottom) // 2)

    def screen(self, name):
        path = os.path.join(ARGS.shots, name + ".png")
        subprocess.run(["import", "-window", "root", path], check=True)
        with Image.open(path) as shot:
            return shot.convert("RGB")

    def area(self, screen, rect):
        left, top, right, bottom = rect
        x, y = self.origin
        return screen.crop((x + left, y + top, x + right, y + bottom))

    def control_area(self, screen):
        return self.area(screen, self.skin.control).convert("L")

    def text_width(self, screen, edit):
        """How many pixel columns of edit box `edit` hold text: what differs from its background,
        inside its border."""
        rect, background = self.skin.edits[edit]
        box = self.area(screen, rect)
        back = ((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF)
        width, height = box.size
        pixels = box.load()
        inked = lambda x: any(sum(abs(a - b) for a, b in zip(pixels[x, y], back)) > 120
                              for y in range(2, height - 2))
        return sum(1 for x in range(2, width - 2) if inked(x))

    def wait_picture(self, name, condition, what):
        """The viewer control's area once `condition` holds for it (pages decode in the background)."""
        return poll(lambda: (lambda area: area if condition(area) else None)(self.control_area(self.screen(name))),
                    what, every=0.2)

    def answer_message(self, name):
        """Waits for a message box, keeps its picture and closes it with OK (its Return key)."""
        box = self.wait_new_window("a message box")
        self.screen(name)
        xdotool("key", "Return")
        self.wait_closed(box, "the message box")

    def type_into_dialog(self, path, name):
        dialog = self.wait_new_window("a file dialog")
        self.screen(name)
        xdotool("type", "--delay", "5", path)
        xdotool("key", "Return")
        # A completion list may take the first Return.
        try:
            self.wait_closed(dialog, "the file dialog")
        except AssertionError:
            xdotool("key", "Return")
            self.wait_closed(dialog, "the file dialog")

    def wait_exit(self):
        try:
            return self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise AssertionError("the viewer did not end")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


def mean(image):
    return ImageStat.Stat(image).mean[0]


def differs(a, b):
    return mean(ImageChops.difference(a, b)) > 2


class ViewerEndToEnd(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.skin = CSkin(ARGS.skins)
        cls.data = os.path.join(os.path.dirname(pydicom.data.__file__), "test_files")
        os.makedirs(ARGS.shots, exist_ok=True)

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="vitrine-e2e-")
        self.viewer = None

    def tearDown(self):
        if self.viewer:
            self.viewer.stop()
        shutil.rmtree(self.work, ignore_errors=True)

    def test_a_user_session(self):
        # A CT file named on the command line shows at once, with its one page. The promotional
        # popup would stand over the window's corner; it has a test of its own.
        self.viewer = viewer = CViewer(self.skin, "--no-popup", os.path.join(self.data, "CT_small.dcm"))
        fitted = viewer.wait_picture("01-ct-at-start", lambda area: mean(area) > 20, "the CT image")
        # The page box and the page count box each show one digit.
        shot = viewer.screen("01-ct-at-start")
        one = viewer.text_width(shot, 4)
        self.assertGreater(one, 0)
        self.assertEqual(viewer.text_width(shot, 3), one)
        viewer.click("BUTTON_NEXT")
        viewer.answer_message("02-ct-last-page")  # "The page is a last one!"

        viewer.click("BUTTON_ZOOM200")
        viewer.wait_picture("03-ct-at-200", lambda area: differs(area, fitted), "the picture to change at 200 %")

        # A multi-frame file through the Open dialog, paged to its end.
        viewer.click("BUTTON_BROWSE1")
        viewer.type_into_dialog(os.path.join(self.data, "rtdose.dcm"), "04-open-dialog")
        viewer.wait_picture("05-rtdose-opened", lambda area: differs(area, fitted), "the dose image")
        # Fifteen pages: two digits in the page count box, page 1 in the page box.
        shot = viewer.screen("05-rtdose-opened")
        fifteen = viewer.text_width(shot, 4)
        self.assertGreater(fifteen, one + 2)
        self.assertEqual(viewer.text_width(shot, 3), one)
        for page in range(2, 16):
            viewer.click("BUTTON_NEXT")
        self.assertEqual(viewer.text_width(viewer.screen("06-rtdose-page-15"), 3), fifteen)
        self.assertIsNone(viewer.new_window(), "a message before the last page")
        viewer.click("BUTTON_NEXT")
        viewer.answer_message("07-rtdose-last-page")  # "The page is a last one!"

        # Saved through the Save dialog under a new name, read back by another decoder.
        saved = os.path.join(self.work, "saved page.png")
        viewer.click("BUTTON_SAVE")
        viewer.type_into_dialog(saved, "08-save-dialog")
        viewer.answer_message("09-saved")  # "Save successful!"
        with Image.open(saved) as picture:
            self.assertEqual(picture.format, "PNG")
            self.assertEqual(picture.size, (10, 10))
            self.assertGreater(picture.convert("L").getextrema()[1], 0)

        # A TIF dropped from another program: white square on black.
        tif = os.path.join(self.work, "square.tif")
        square = Image.new("L", (200, 200), 0)
        square.paste(255, (50, 50, 150, 150))
        square.save(tif)
        with self.drop(tif):
            dropped = viewer.wait_picture("10-tif-dropped", self.shows_square, "the dropped TIF")

        # Minimised without a window manager, the window becomes its icon until clicked.
        viewer.click("BUTTON_MINIMIZE")
        iconic = poll(lambda: (lambda g: g if g and g[2] < 100 else None)(viewer.geometry(viewer.window)),
                      "the window to shrink to its icon")
        viewer.screen("11-minimised")
        viewer.click_at(iconic[0] + iconic[2] // 2, iconic[1] + iconic[3] // 2)
        poll(lambda: viewer.geometry(viewer.window)[2:] == self.skin.size, "the window to come back")
        viewer.wait_picture("12-restored", lambda area: not differs(area, dropped), "the TIF to show again")

        viewer.click("BUTTON_EXIT")
        self.assertEqual(viewer.wait_exit(), 0)
        viewer.process.stderr.close()

    def test_the_popup_slides_in_beside_the_window_and_its_close_button_takes_it_away(self):
        self.assertIsNotNone(self.skin.popup_close, "the skin's TASKBUTTON_EXIT")
        self.viewer = viewer = CViewer(self.skin)
        # The popup may already stand when the window is found, so it is not looked for as new.
        popup = poll(lambda: next((w for w in viewer.windows() if w != viewer.window), None), "the popup")
        # Without a task bar it rises out of the bottom edge of the 1280 x 800 screen, at the right.
        standing = lambda: (lambda g: g if g and g[0] + g[2] == 1280 and g[1] + g[3] == 800 else None)(
            viewer.geometry(popup))
        x, y, _, _ = poll(standing, "the popup to stand on the bottom edge")
        viewer.screen("20-popup")
        self.assertEqual(xdotool("getwindowfocus"), viewer.window, "the keyboard left with the viewer")
        left, top, right, bottom = self.skin.popup_close
        viewer.click_at(x + (left + right) // 2, y + (top + bottom) // 2)
        viewer.wait_closed(popup, "the popup")
        viewer.screen("21-popup-closed")
        self.assertIn(viewer.window, viewer.windows())

    @contextlib.contextmanager
    def drop(self, path):
        """Drags `path` from another program onto the viewer control and drops it there; the
        other program serves the drag's data while the block runs."""
        helper = subprocess.Popen([ARGS.helper, "drag", path], stdout=subprocess.PIPE, text=True)
        try:
            source = poll(lambda: xdotool("search", "--onlyvisible", "--pid", helper.pid),
                          "the drag source").split()[0]
            x, y, width, height = self.viewer.geometry(source)
            xdotool("mousemove", "--sync", x + width // 2, y + height // 2)
            xdotool("mousedown", "1")
            left, top, right, bottom = self.skin.control
            tx = self.viewer.origin[0] + (left + right) // 2
            ty = self.viewer.origin[1] + (top + bottom) // 2
            for step in range(1, 11):
                xdotool("mousemove", "--sync", x + (tx - x) * step // 10, y + (ty - y) * step // 10)
                time.sleep(0.05)
            xdotool("mouseup", "1")
            self.assertEqual(helper.stdout.readline().strip(), "taken")
            # The viewer reads the dropped name from the source after the drop.
            yield
        finally:
            helper.kill()
            helper.wait()
            helper.stdout.close()
            xdotool("mousemove", "--sync", 1270, 790)

    @staticmethod
    def shows_square(area):
        width, height = area.size
        middle = area.getpixel((width // 2, height // 2))
        corner = area.getpixel((width // 2, 2))
        return middle > 200 and corner < 50


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--viewer", required=True)
    parser.add_argument("--helper", required=True)
    parser.add_argument("--skins", required=True)
    parser.add_argument("--shots", required=True)
    ARGS, rest = parser.parse_known_args()
    for name in ("viewer", "helper", "skins", "shots"):
        setattr(ARGS, name, os.path.abspath(getattr(ARGS, name)))
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
