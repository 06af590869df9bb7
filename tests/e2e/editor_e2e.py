#!/usr/bin/env python3
"""End-to-end tests of the tilewright editor.

The real executable runs in an X server of its own (Xvfb, on a display number
that Xvfb picks itself), and the tests use it the way a person does: xdotool
moves the pointer, clicks and types; ImageMagick's `import` takes screenshots
whose pixels are checked. Every position clicked or checked is worked out from
the window's geometry as the X server reports it and the window's layout in
twips (15 twips to the pixel), rounded control by control as the window does.

No window manager runs: the window is neither decorated nor moved, and closing
it is a WM_DELETE_WINDOW message sent straight to it, as a window manager sends
it when its close box is clicked.

Usage: editor_e2e.py --editor PATH --cli PATH --work DIR --failures DIR SCENARIO...
Scenarios: start-exit, draw-save-load, help. Exit status 0 when all passed,
1 on a failure (a screenshot and the editor's output are kept under
--failures), 77 when a needed program is missing outside CI.

Python standard library only; talks to X through xdotool, import and, for the
close message, libX11 by ctypes.
"""

import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import subprocess
import sys
import time
import traceback

SKIPPED = 77
LSAN_SUPPRESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan-system-libraries.supp")
WAIT = 30.0  # seconds allowed for a window, a file or a picture to appear

# ---------------------------------------------------------------- layout ----

def px(twips):
    """Twips to pixels, nearest pixel, as the window rounds every control."""
    return (twips + 7) // 15


CLIENT_W, CLIENT_H = px(10125), px(8235)
SPRITE_GEN = (px(120), px(120))
PANELS = [(240, 360), (3960, 360), (240, 4200), (3960, 4200)]
GRID = (px(120), px(360))
PITCH = px(360)
CELL_W, CELL_H = px(330), px(315)
COLOR_FRAME = (px(7875), px(360))
OPTION_TOPS = {7: 240, 6: 600, 5: 960, 4: 1320, 3: 1680, 2: 2040, 1: 2415, 0: 2760}
VIEW_FRAME = (px(7770), px(4215))
VIEW_AREA = (px(420), px(240))
VIEW_PITCH = px(120)
VIEW_CELL = px(135)

BLACK = (0, 0, 0)
BLUE = (0, 0, 255)
GREEN = (0, 255, 0)
YELLOW = (255, 255, 0)
WHITE = (255, 255, 255)
COLOR_NAMES = {BLACK: "Black", BLUE: "Blue", GREEN: "Green", YELLOW: "Yellow", WHITE: "White"}


def add(*points):
    return (sum(p[0] for p in points), sum(p[1] for p in points))


def centre(left, top, width, height):
    """Centre of a control given in twips, relative to its container."""
    return (px(left) + px(width) // 2, px(top) + px(height) // 2)


def panel(k):
    return add(SPRITE_GEN, (px(PANELS[k][0]), px(PANELS[k][1])))


def block(k, i):
    """Centre of block i of sprite k, relative to the client area."""
    row, column = divmod(i, 8)
    return add(panel(k), GRID, (column * PITCH + CELL_W // 2, row * PITCH + CELL_H // 2))


def panel_control(k, left, top, width, height):
    return add(panel(k), centre(left, top, width, height))


def name_box(k):
    return panel_control(k, 600, 3360, 735, 255)


def color_square(k):
    return panel_control(k, 1350, 3360, 255, 255)


def color_button(k):
    return panel_control(k, 2280, 3360, 510, 255)


def view_button(k):
    return panel_control(k, 1680, 3360, 570, 255)


def option(code):
    # The round indicator at the left end of the option button.
    return add(SPRITE_GEN, COLOR_FRAME, (px(210) + 7, px(OPTION_TOPS[code]) + px(240) // 2))


def screen_color_button():
    return add(SPRITE_GEN, COLOR_FRAME, centre(315, 3255, 1095, 255))


def view_surround():
    return add(SPRITE_GEN, VIEW_FRAME, VIEW_AREA, (3, 3))


def view_cell(i):
    row, column = divmod(i, 8)
    return add(SPRITE_GEN, VIEW_FRAME, VIEW_AREA,
               (px(120) + column * VIEW_PITCH + VIEW_CELL // 2, px(120) + row * VIEW_PITCH + VIEW_CELL // 2))


def help_text_box():
    return add(SPRITE_GEN, centre(120, 240, 9615, 7335))


def help_text_points():
    """Points over the first lines of the help text, every other pixel."""
    left, top = add(SPRITE_GEN, (px(120), px(240)))
    return [((x, y), f"help text at {x},{y}") for x in range(left + 4, left + 204, 2) for y in range(top + 4, top + 44, 2)]


def help_close_button():
    return add(SPRITE_GEN, centre(4200, 7680, 1215, 255))


# ------------------------------------------------------------ test data ----

SHIP_ROWS = [0x18, 0x3C, 0x7E, 0xFF, 0xFF, 0x7E, 0x3C, 0x18]
ALIEN_ROWS = [0x81, 0x42, 0x3C, 0x5A, 0x7E, 0x24, 0x42, 0x81]

# The worked example as the editor saves it: screen Blue, Ship in Yellow, Alien
# in Green, two untouched sprites; 13 lines ending in CR LF, 298 bytes.
WORKED_EXAMPLE = (
    b";Screen-Blue-1\r\n"
    b"Ship:\r\n"
    b";Yellow-6\r\n"
    b"      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h\r\n"
    b"Alien:\r\n"
    b";Green-4\r\n"
    b"      db          81h,42h,3Ch,5Ah,7Eh,24h,42h,81h\r\n"
    b"Sprite3:\r\n"
    b";White-7\r\n"
    b"      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n"
    b"Sprite4:\r\n"
    b";White-7\r\n"
    b"      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n")

# The 2650 program at the start of every cartridge image; the bytes at 0x55,
# 0x5A and 0x5F are replaced by the colours.
CARTRIDGE_PROGRAM = bytes.fromhex(
    "77027640048005FF06FFCD7800CD3A00E5D018021B7404EECC18FC2005FF06FF0D2065E5201805CE39801B740440CC18F10490"
    "CC18F00450CC18F30490CC18F20460CC18F50490CC18F40470CC18F70490CC18F60420CC19FB0432CC19FA0403CC19F91B7E")


def cartridge(sprite_colours, screen, rows):
    image = bytearray(CARTRIDGE_PROGRAM)
    image[0x55] = sprite_colours[0] * 8 | sprite_colours[1]
    image[0x5A] = sprite_colours[2] * 8 | sprite_colours[3]
    image[0x5F] = screen
    return bytes(image) + bytes(rows)


def drawn(rows, fg, bg):
    return [fg if rows[i // 8] & (0x80 >> (i % 8)) else bg for i in range(64)]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_until(what, probe, timeout=WAIT, interval=0.1):
    """Polls `probe` until it returns a true value; fails with `what` and the
    last non-true answer once `timeout` has passed."""
    deadline = time.monotonic() + timeout
    last = None
    while True:
        result = probe()
        if result:
            return result
        last = result
        if time.monotonic() > deadline:
            raise Failure(f"gave up waiting for {what}" + (f": {last}" if isinstance(last, str) and len(last) else ""))
        time.sleep(interval)


class Mismatch(str):
    """A false answer of a probe that says what was wrong."""

    def __bool__(self):
        return False


# -------------------------------------------------------------- X server ----

class Screenshot:
    def __init__(self, data):
        # Binary PPM (P6) with a maxval of 255.
        fields, offset = [], 0
        while len(fields) < 4:
            while data[offset:offset + 1].isspace():
                offset += 1
            end = offset
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[offset:end])
            offset = end
        offset += 1
        if fields[0] != b"P6" or fields[3] != b"255":
            raise Failure(f"unexpected screenshot format {fields!r}")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = data[offset:offset + self.width * self.height * 3]

    def at(self, point):
        x, y = point
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise Failure(f"point {point} is off the screen")
        o = (y * self.width + x) * 3
        return tuple(self.pixels[o:o + 3])


# Characters beyond ASCII that the tests type, with their X keysyms. They are
# bound to spare keycodes before any client starts: xdotool would otherwise
# rebind a keycode for each one while typing, and a busy client that reads the
# keymap a moment late gets nothing or the wrong letter.
EXTRA_KEYSYMS = {"\u00e9": ("eacute", 0x00E9), "\u03c9": ("Greek_omega", 0x07F9)}


class XServer:
    """An Xvfb of our own on a display number it chooses."""

    def __init__(self, logdir):
        self.log = open(os.path.join(logdir, "xvfb.log"), "wb")
        read_end, write_end = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-dpi", "96",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WAIT
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                self.stop()
                raise Failure("Xvfb did not report a display number")
            chunk = os.read(read_end, 16)
            if not chunk:
                self.stop()
                raise Failure("Xvfb ended before reporting a display number")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.width, self.height = 1280, 1024
        bind_keysyms(self.display, [keysym for _, keysym in EXTRA_KEYSYMS.values()])

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()

    def xdotool(self, *args, check_status=True):
        run = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, timeout=WAIT)
        if check_status and run.returncode != 0:
            raise Failure(f"xdotool {' '.join(map(str, args))} failed: {run.stderr.decode(errors='replace').strip()}")
        return run

    def screenshot(self):
        run = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "ppm:-"],
                             env=self.env, capture_output=True, timeout=WAIT)
        if run.returncode != 0:
            raise Failure(f"import failed: {run.stderr.decode(errors='replace').strip()}")
        return Screenshot(run.stdout)

    def save_screenshot(self, path):
        subprocess.run(["import", "-silent", "-window", "root", path], env=self.env, capture_output=True,
                       timeout=WAIT)

    def windows(self, pid, name=None):
        """Visible top-level windows of process `pid`, optionally by title."""
        args = ["search", "--all", "--onlyvisible", "--pid", pid]
        args += ["--name", name] if name else ["--name", ""]
        run = self.xdotool(*args, check_status=False)
        return [int(w) for w in run.stdout.split()]

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window).stdout.decode()
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def click(self, point, button=1):
        self.xdotool("mousemove", "--sync", point[0], point[1], "click", button)

    def focus(self, window):
        """Gives `window` the keyboard focus and waits until it has it."""
        def focused():
            self.xdotool("windowfocus", window, check_status=False)
            run = self.xdotool("getwindowfocus", check_status=False)
            return run.returncode == 0 and run.stdout.split() == [str(window).encode()]
        wait_until(f"the keyboard focus on window {window}", focused, interval=0.2)

    def key(self, window, *keys):
        self.focus(window)
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, window, text):
        """Types ASCII with xdotool type, and the characters of
        EXTRA_KEYSYMS as the keys bound to them."""
        self.focus(window)
        ascii_run = ""
        for character in text + "\0":
            if character in EXTRA_KEYSYMS or character == "\0":
                if ascii_run:
                    self.xdotool("type", "--delay", 15, ascii_run)
                    ascii_run = ""
                if character != "\0":
                    self.xdotool("key", EXTRA_KEYSYMS[character][0])
            elif ord(character) < 128:
                ascii_run += character
            else:
                raise Failure(f"no key bound for {character!r}: add it to EXTRA_KEYSYMS")

    def close_window(self, window):
        """What a window manager does when the close box is clicked: a
        WM_DELETE_WINDOW message in the WM_PROTOCOLS client message."""
        send_delete_window(self.display, window)


class ClientMessageData(ctypes.Union):
    _fields_ = [("b", ctypes.c_char * 20), ("s", ctypes.c_short * 10), ("l", ctypes.c_long * 5)]


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ClientMessageData)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def libx11():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XFree.argtypes = [ctypes.c_void_p]
    return x11


def bind_keysyms(display_name, keysyms):
    """Binds each keysym to a keycode that has none."""
    x11 = libx11()
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise Failure(f"cannot open display {display_name} through libX11")
    try:
        low, high = ctypes.c_int(), ctypes.c_int()
        x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
        per = ctypes.c_int()
        count = high.value - low.value + 1
        table = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
        free = [low.value + k for k in range(count)
                if all(table[k * per.value + j] == 0 for j in range(per.value))]
        x11.XFree(table)
        if len(free) < len(keysyms):
            raise Failure(f"only {len(free)} spare keycodes for {len(keysyms)} keysyms")
        for keycode, keysym in zip(free, keysyms):
            row = (ctypes.c_ulong * per.value)(*([keysym] * per.value))
            x11.XChangeKeyboardMapping(display, keycode, per.value, row, 1)
        x11.XSync(display, 0)
    finally:
        x11.XCloseDisplay(display)


def send_delete_window(display_name, window):
    x11 = libx11()
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise Failure(f"cannot open display {display_name} through libX11")
    try:
        event = XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data.l[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data.l[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
            raise Failure("XSendEvent refused the WM_DELETE_WINDOW message")
        x11.XSync(display, 0)
    finally:
        x11.XCloseDisplay(display)


# ---------------------------------------------------------------- editor ----

class Editor:
    """One running tilewright, from its welcome box to its end."""

    def __init__(self, x, binary, workdir, label):
        self.x = x
        self.label = label
        self.workdir = workdir
        home = os.path.join(workdir, "home-" + label)
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = dict(x.env, QT_QPA_PLATFORM="xcb", HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_DATA_HOME=os.path.join(home, "data"),
                   XDG_RUNTIME_DIR=runtime, LC_ALL="C.UTF-8")
        # In a sanitizer build, leaks inside system libraries that the editor
        # loads under X are not the editor's; everything else still counts.
        env["LSAN_OPTIONS"] = ":".join(filter(None, [env.get("LSAN_OPTIONS"), f"suppressions={LSAN_SUPPRESSIONS}"]))
        for variable in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI", "QT_QPA_PLATFORMTHEME",
                         "QT_STYLE_OVERRIDE", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "QT_ENABLE_HIGHDPI_SCALING"):
            env.pop(variable, None)
        self.logpath = os.path.join(workdir, f"editor-{label}.log")
        self.log = open(self.logpath, "wb")
        self.proc = subprocess.Popen([binary], cwd=workdir, env=env, stdin=subprocess.DEVNULL,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        self.pid = self.proc.pid
        self.window = None
        self.origin = None  # top-left of the client area, on the screen
        self.titles = None  # x of the File and Help menu titles, on the screen

    # --- windows

    def wait_window(self, title):
        found = wait_until(f"a window titled {title!r} of {self.label}",
                           lambda: self.x.windows(self.pid, f"^{title}$"))
        return found[0]

    def wait_gone(self, window, what):
        wait_until(f"{what} to close", lambda: window not in self.x.windows(self.pid))

    def other_windows(self):
        return [w for w in self.x.windows(self.pid) if w != self.window]

    def dismiss_welcome(self, key):
        welcome = self.wait_window("Welcome")
        # The welcome box comes before the window.
        check(not self.x.windows(self.pid, "^Tilewright$"),
              "the main window is visible while the welcome box is up")
        self.x.key(welcome, key)
        self.window = self.wait_window("Tilewright")
        self.wait_gone(welcome, "the welcome box")
        x, y, width, height = self.x.geometry(self.window)
        check(width == CLIENT_W, f"window width {width}, want {CLIENT_W}")
        menu_bar = height - CLIENT_H
        check(10 <= menu_bar <= 60, f"window height {height} leaves {menu_bar} px for the menu bar")
        self.origin = (x, y + menu_bar)
        self.menu_bar = (x, y, width, menu_bar)
        # Centred on the screen, give or take the rounding of an odd margin.
        check(abs(2 * x + width - self.x.width) <= 1 and abs(2 * y + height - self.x.height) <= 1,
              f"window at {x},{y} ({width} x {height}) is not centred on the {self.x.width} x {self.x.height} screen")
        self.titles = self.find_menu_titles()

    def find_menu_titles(self):
        """The centres of the two menu titles, found as the two runs of dark
        (text) pixels in the menu bar."""
        left, top, width, height = self.menu_bar
        shot = self.x.screenshot()
        columns = [x for x in range(left, left + width)
                   if any(sum(shot.at((x, y))) < 300 for y in range(top + 2, top + height - 2))]
        runs = []
        for x in columns:
            if runs and x - runs[-1][1] <= 6:
                runs[-1][1] = x
            else:
                runs.append([x, x])
        check(len(runs) == 2, f"expected the titles File and Help in the menu bar, found {len(runs)} runs of text")
        y = top + height // 2
        return [((a + b) // 2, y) for a, b in runs]

    # --- input

    def click(self, point):
        self.x.click(add(self.origin, point))

    def click_many(self, points):
        args = []
        for point in points:
            sx, sy = add(self.origin, point)
            args += ["mousemove", "--sync", sx, sy, "click", 1]
        if args:
            self.x.xdotool(*args)

    def type_name(self, k, name):
        self.click(name_box(k))
        self.x.key(self.window, "ctrl+a")
        self.x.type(self.window, name)

    def pick(self, code):
        self.click(option(code))

    def draw(self, k, rows):
        self.click_many([block(k, r * 8 + c) for r in range(8) for c in range(8) if rows[r] & (0x80 >> c)])

    def open_file_menu(self):
        self.x.click(self.titles[0])
        menus = wait_until("the File menu to open", self.other_windows)
        return menus[0]

    def menu_items(self, menu):
        """The centres of the File menu's items, found as the runs of rows
        holding dark (text) pixels; separators are light lines."""
        left, top, width, height = self.x.geometry(menu)

        def items():
            shot = self.x.screenshot()
            rows = [y for y in range(top + 1, top + height - 1)
                    if any(sum(shot.at((x, y))) < 300 for x in range(left + 4, left + width - 4))]
            runs = []
            for y in rows:
                if runs and y - runs[-1][1] <= 2:
                    runs[-1][1] = y
                else:
                    runs.append([y, y])
            if len(runs) != 5:
                return Mismatch(f"{len(runs)} lines of text in the menu, want 5")
            return [(left + width // 3, (a + b) // 2) for a, b in runs]

        return wait_until("the five File menu items to be drawn", items)

    def menu(self, item):
        """Opens the File menu with a click on its title and clicks an item."""
        index = ["New Project", "Load Project", "Save Project", "Create Binary", "Exit"].index(item)
        menu = self.open_file_menu()
        self.x.click(self.menu_items(menu)[index])
        self.wait_gone(menu, "the File menu")

    def file_dialog(self, title, path):
        """Types a full path into the open file dialog and presses Return."""
        dialog = self.wait_window(title)
        self.x.key(dialog, "ctrl+a")
        self.x.type(dialog, path)
        self.x.key(dialog, "Return")
        self.wait_gone(dialog, f"the {title} dialog")
        # Nothing of the dialog may stay behind, such as its completion list.
        left = self.other_windows()
        check(not left, f"{len(left)} window(s) stayed open after the {title} dialog closed, "
                        f"at {[self.x.geometry(w) for w in left]}")

    def answer(self, title, key):
        box = self.wait_window(title)
        self.x.key(box, key)
        self.wait_gone(box, f"the {title!r} box")

    # --- what the window shows

    def pixel(self, shot, point):
        return shot.at(add(self.origin, point))

    def expect_pixels(self, what, expected):
        """Waits until every (point, colour, description) in `expected` shows
        its colour."""
        def probe():
            shot = self.x.screenshot()
            wrong = [f"{name} at {point}: {self.pixel(shot, point)} instead of {colour}"
                     for point, colour, name in expected if self.pixel(shot, point) != colour]
            if wrong:
                return Mismatch(f"{len(wrong)} wrong, first: " + "; ".join(wrong[:3]))
            return True
        wait_until(what, probe)

    def wait_change(self, what, before, least=20):
        """Waits until at least `least` of the points of the snapshot `before`
        show another colour, with no menu or box open; returns the new
        snapshot."""
        points = [(point, name) for point, _, name in before]

        def probe():
            if self.other_windows():
                return Mismatch(f"{len(self.other_windows())} other window(s) opened, a menu or a box")
            now = self.snapshot(points)
            changed = sum(a[1] != b[1] for a, b in zip(before, now))
            return now if changed >= least else Mismatch(f"{changed} of {len(points)} pixels changed")
        return wait_until(what, probe)

    def snapshot(self, points):
        shot = self.x.screenshot()
        return [(point, self.pixel(shot, point), name) for point, name in points]

    # --- the end

    def wait_exit(self, how):
        try:
            status = self.proc.wait(WAIT)
        except subprocess.TimeoutExpired:
            raise Failure(f"the editor is still running after {how}")
        check(status == 0, f"the editor ended with status {status} after {how}")
        check(not self.x.windows(self.pid), f"windows of the editor are still shown after {how}")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()


def sprite_points(k):
    return [(block(k, i), f"sprite {k + 1} block {i}") for i in range(64)]


def expect_sprite(k, colours):
    return [(block(k, i), colours[i], f"sprite {k + 1} block {i}") for i in range(64)]


def expect_squares(colours):
    return [(color_square(k), colours[k], f"colour square of sprite {k + 1}") for k in range(4)]


def all_points():
    points = [p for k in range(4) for p in sprite_points(k)]
    points += [(color_square(k), f"colour square of sprite {k + 1}") for k in range(4)]
    points += [(view_surround(), "Sprite View surround")]
    points += [(view_cell(i), f"Sprite View cell {i}") for i in range(64)]
    return points


def read(path):
    with open(path, "rb") as f:
        return f.read()


def wait_file(path, size):
    def probe():
        if not os.path.exists(path):
            return Mismatch("not there")
        actual = os.path.getsize(path)
        return actual == size or Mismatch(f"{actual} bytes")
    wait_until(f"{os.path.basename(path)} to hold {size} bytes", probe)
    return read(path)


# ------------------------------------------------------------- scenarios ----

def scenario_start_exit(ctx):
    """Start-up and both ways out: the welcome box before the window, the
    window centred and in its start state, Exit from the menu, and the close
    message a window manager sends."""
    editor = ctx.editor("first")
    ctx.step("the welcome box is dismissed with Return")
    editor.dismiss_welcome("Return")

    ctx.step("the window starts with black blocks, white squares and a black view")
    expected = [(p, BLACK, name) for p, name in all_points() if "square" not in name]
    expected += expect_squares([WHITE] * 4)
    editor.expect_pixels("the start state", expected)

    ctx.step("Create Binary without a project file is refused")
    editor.menu("Create Binary")
    editor.answer("Project error", "Return")
    check(not [f for f in os.listdir(ctx.workdir) if f.endswith(".bin")], "Create Binary wrote a file")

    ctx.step("a block click paints White, and Exit from the File menu ends the program without a question")
    editor.click(block(0, 0))
    editor.expect_pixels("block 0 in White", [(block(0, 0), WHITE, "sprite 1 block 0")])
    editor.menu("Exit")
    editor.wait_exit("File > Exit")

    second = ctx.editor("second")
    ctx.step("the welcome box is dismissed with Escape")
    second.dismiss_welcome("Escape")
    second.expect_pixels("the start state", [(block(0, 0), BLACK, "sprite 1 block 0")])

    ctx.step("closing the window ends the program")
    second.click(block(3, 63))
    second.expect_pixels("a block in White", [(block(3, 63), WHITE, "sprite 4 block 63")])
    ctx.x.close_window(second.window)
    second.wait_exit("closing the window")
    check(not [f for f in os.listdir(ctx.workdir) if f.endswith((".eap", ".bin"))],
          "leaving the program wrote a file")


def scenario_draw_save_load(ctx):
    """The worked example drawn by hand, saved through the file dialog, turned
    into a cartridge image, loaded by a second editor and thrown away with New
    Project."""
    project = os.path.join(ctx.workdir, "ship.eap")
    image = os.path.join(ctx.workdir, "ship.bin")
    editor = ctx.editor("drawing")
    editor.dismiss_welcome("Return")

    ctx.step("Cancel in the save dialog shows the file error and writes nothing")
    editor.menu("Save Project")
    dialog = editor.wait_window("Save As")
    ctx.x.key(dialog, "Escape")
    editor.answer("File Error", "Return")
    check(not [f for f in os.listdir(ctx.workdir) if f.endswith(".eap")], "a cancelled save wrote a file")

    ctx.step("the worked example is drawn with colours, names and block clicks")
    editor.pick(6)
    editor.click(color_button(0))
    editor.pick(4)
    editor.click(color_button(1))
    editor.type_name(0, "Ship")
    editor.type_name(1, "Alien")
    editor.draw(0, SHIP_ROWS)
    editor.draw(1, ALIEN_ROWS)
    # Before the screen colour changes, clear blocks are still Black.
    editor.expect_pixels("Ship in Yellow on Black", expect_sprite(0, drawn(SHIP_ROWS, YELLOW, BLACK)))
    editor.pick(1)
    editor.click(screen_color_button())
    editor.click(view_button(0))
    ship = drawn(SHIP_ROWS, YELLOW, BLUE)
    alien = drawn(ALIEN_ROWS, GREEN, BLUE)
    expected = expect_sprite(0, ship) + expect_sprite(1, alien)
    expected += expect_sprite(2, [BLUE] * 64) + expect_sprite(3, [BLUE] * 64)
    expected += expect_squares([YELLOW, GREEN, WHITE, WHITE])
    expected += [(view_surround(), BLUE, "Sprite View surround")]
    expected += [(view_cell(i), ship[i], f"Sprite View cell {i}") for i in range(64)]
    editor.expect_pixels("the worked example", expected)

    ctx.step("Save Project through the file dialog writes the 298 bytes")
    editor.menu("Save Project")
    editor.file_dialog("Save As", project)
    saved = wait_file(project, len(WORKED_EXAMPLE))
    check(saved == WORKED_EXAMPLE, f"saved file differs:\n{saved!r}\nwant\n{WORKED_EXAMPLE!r}")
    check(not editor.other_windows(), "a message box came up after a good save")

    ctx.step("Create Binary writes the 133-byte image beside the project")
    editor.menu("Create Binary")
    written = wait_file(image, 133)
    want = cartridge([6, 4, 7, 7], 1, SHIP_ROWS + ALIEN_ROWS + [0] * 16)
    check(written == want, f"image differs:\n{written.hex()}\nwant\n{want.hex()}")
    cli_image = os.path.join(ctx.workdir, "from-cli.bin")
    run = subprocess.run([ctx.cli, "bin", project, "-o", cli_image], capture_output=True, timeout=WAIT)
    check(run.returncode == 0, f"tilewright-cli bin failed: {run.stderr!r}")
    check(read(cli_image) == written, "the editor's image and tilewright-cli's differ")

    ctx.step("a name with spaces and non-ASCII letters saves and builds through the dialog")
    odd = os.path.join(ctx.workdir, "my sprites \u00e9t\u00e9 \u03c9")
    editor.menu("Save Project")
    editor.file_dialog("Save As", odd + ".eap")
    check(wait_file(odd + ".eap", len(WORKED_EXAMPLE)) == WORKED_EXAMPLE, "the file under the odd name differs")
    editor.menu("Create Binary")
    check(wait_file(odd + ".bin", 133) == want, "the image under the odd name differs")

    loader = ctx.editor("loading")
    ctx.step("a second editor loads the saved file and draws it")
    loader.dismiss_welcome("Escape")
    loader.menu("Load Project")
    loader.file_dialog("Open", project)
    expected = expect_sprite(0, ship) + expect_sprite(1, alien)
    expected += expect_sprite(2, [BLUE] * 64) + expect_sprite(3, [BLUE] * 64)
    expected += expect_squares([YELLOW, GREEN, WHITE, WHITE])
    # The view keeps its old picture on a surround in the loaded screen colour.
    expected += [(view_surround(), BLUE, "Sprite View surround")]
    expected += [(view_cell(i), BLACK, f"Sprite View cell {i}") for i in range(64)]
    loader.expect_pixels("the loaded worked example", expected)
    check(not loader.other_windows(), "a message box came up after a good load")

    ctx.step("New Project, cancelled, changes nothing")
    before = loader.snapshot(all_points())
    loader.menu("New Project")
    loader.answer("New Project Creation", "Escape")
    loader.expect_pixels("the project as it was", before)

    ctx.step("New Project, confirmed, clears every sprite and forgets the file")
    loader.menu("New Project")
    loader.answer("New Project Creation", "Return")
    expected = [(p, BLACK, name) for p, name in all_points() if "square" not in name]
    expected += expect_squares([WHITE] * 4)
    loader.expect_pixels("an empty project", expected)
    loader.menu("Create Binary")
    loader.answer("Project error", "Return")
    check(read(image) == want, "Create Binary after New Project touched the old image")
    check(read(project) == WORKED_EXAMPLE, "the project file changed")

    ctx.step("the second editor loads the file with the odd name")
    loader.menu("Load Project")
    loader.file_dialog("Open", odd + ".eap")
    loader.expect_pixels("the worked example again", expect_sprite(0, ship) + expect_sprite(1, alien))

    ctx.step("both editors end")
    ctx.x.close_window(loader.window)
    loader.wait_exit("closing the window")
    editor.menu("Exit")
    editor.wait_exit("File > Exit")


def scenario_help(ctx):
    """The help panel covers the design frame and locks the menus until Close."""
    editor = ctx.editor("help")
    editor.dismiss_welcome("Return")
    editor.click(block(0, 9))
    editor.expect_pixels("block 9 in White", [(block(0, 9), WHITE, "sprite 1 block 9")])
    before = editor.snapshot(all_points())

    ctx.step("Help covers the blocks with the help text")
    editor.x.click(editor.titles[1])
    covered = [(block(k, i), f"sprite {k + 1} block {i}") for k in range(4) for i in (0, 27, 63)]

    def shown():
        shot = ctx.x.screenshot()
        text_box = editor.pixel(shot, help_text_box())
        if text_box == BLACK:
            return Mismatch(f"help text box shows {text_box}")
        still = [name for point, name in covered if editor.pixel(shot, point) == BLACK]
        return not still or Mismatch(f"{still[0]} still shows black")
    wait_until("the help panel", shown)

    ctx.step("while the help is shown the File menu title does nothing")
    editor.click(help_text_box())  # the keyboard now goes to the help text
    top = editor.snapshot(help_text_points())
    editor.x.click(editor.titles[0])
    editor.x.key(editor.window, "ctrl+a")
    # Events are handled in order: once the text shows selected, the click on
    # the title has been handled too. An open menu would have taken the key.
    top_selected = editor.wait_change("the help text to show selected", top)

    ctx.step("while the help is shown the Help menu title does nothing")
    editor.x.key(editor.window, "End")
    editor.wait_change("the end of the help text", top_selected)
    editor.x.click(editor.titles[1])
    editor.x.key(editor.window, "Home")

    # Help, had it acted, would have put the text back: unselected.
    def start_still_selected():
        if editor.other_windows():
            return Mismatch("a menu or a box opened")
        return editor.snapshot(help_text_points()) == top_selected or Mismatch("not the selected start")
    wait_until("the start of the help text, still selected", start_still_selected)

    ctx.step("Close hides the help and gives the menus back")
    editor.click(help_close_button())
    editor.expect_pixels("the design frame again", before)
    menu = editor.open_file_menu()
    ctx.x.key(menu, "Escape")
    editor.wait_gone(menu, "the File menu")

    ctx.step("Help again, Close again")
    editor.x.click(editor.titles[1])
    wait_until("the help panel", shown)
    editor.click(help_close_button())
    editor.expect_pixels("the design frame again", before)
    editor.menu("Exit")
    editor.wait_exit("File > Exit")


SCENARIOS = {"start-exit": scenario_start_exit, "draw-save-load": scenario_draw_save_load, "help": scenario_help}


# ---------------------------------------------------------------- runner ----

class Context:
    def __init__(self, name, x, args, workdir):
        self.name = name
        self.x = x
        self.cli = args.cli
        self.binary = args.editor
        self.workdir = workdir
        self.editors = []
        self.current = "start"

    def editor(self, label):
        editor = Editor(self.x, self.binary, self.workdir, label)
        self.editors.append(editor)
        return editor

    def step(self, text):
        self.current = text
        print(f"  - {text}", flush=True)


def missing_tools():
    return [tool for tool in ("Xvfb", "xdotool", "import") if not shutil.which(tool)]


def run_scenario(name, args):
    workdir = os.path.join(os.path.abspath(args.work), name)
    shutil.rmtree(workdir, ignore_errors=True)
    os.makedirs(workdir)
    summary = " ".join(SCENARIOS[name].__doc__.split())
    print(f"{name}: {summary}", flush=True)
    x = XServer(workdir)
    ctx = Context(name, x, args, workdir)
    try:
        SCENARIOS[name](ctx)
        print(f"ok {name}", flush=True)
        return True
    except Exception as error:  # a Failure, or anything the harness tripped on
        failures = os.path.abspath(args.failures)
        os.makedirs(failures, exist_ok=True)
        slug = "".join(c if c.isalnum() else "-" for c in ctx.current)[:60].strip("-")
        picture = os.path.join(failures, f"{name}--{slug}.png")
        x.save_screenshot(picture)
        for editor in ctx.editors:
            editor.log.flush()
            shutil.copy(editor.logpath, os.path.join(failures, f"{name}--{os.path.basename(editor.logpath)}"))
        print(f"FAILED {name} at step '{ctx.current}': {error}", flush=True)
        if not isinstance(error, Failure):
            traceback.print_exc()
        print(f"  screenshot: {picture}", flush=True)
        return False
    finally:
        for editor in ctx.editors:
            editor.stop()
        x.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--editor", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--failures", required=True)
    parser.add_argument("scenarios", nargs="*", default=list(SCENARIOS))
    args = parser.parse_args()
    unknown = [s for s in args.scenarios if s not in SCENARIOS]
    if unknown:
        parser.error(f"unknown scenario {unknown[0]}; known: {', '.join(SCENARIOS)}")
    missing = missing_tools()
    if missing:
        print(f"missing {', '.join(missing)}: install xvfb, xdotool and imagemagick (scripts/deps does)")
        # In CI a missing tool is a broken machine set-up, not a reason to skip.
        return 1 if os.environ.get("CI") else SKIPPED
    results = [run_scenario(name, args) for name in args.scenarios]
    print(f"{results.count(True)} passed, {results.count(False)} failed")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
