#!/usr/bin/env python3
# One end-to-end run of the real tilewright editor in an Xvfb of its own (-displayfd picks a free display):
# xdotool clicks and types, and the files written and screenshots (ImageMagick import, P6 pixels) are checked.
# Positions come from the window geometry and the layout in twips. No window manager runs: windows stay where
# they are shown, the keyboard goes where we put it, and the close box is imitated with the WM_DELETE_WINDOW
# message a window manager sends. Usage: editor_e2e.py --editor EXE --failures DIR; it works in a temporary folder.
# Exit status 0 passed, 1 failed (a screenshot and the logs are kept in the --failures folder), 77 skipped
# (Xvfb, xdotool or import missing, and CI not set).
import ctypes, os, re, shutil, subprocess, sys, tempfile, time

WAIT, W, H = 300.0, 1280, 1024  # the longest wait for anything, in seconds; the screen
BLACK, BLUE, GREEN, YELLOW = (0, 0, 0), (0, 0, 255), (0, 255, 0), (255, 255, 0)
SHIP, ALIEN = [0x18, 0x3C, 0x7E, 0xFF, 0xFF, 0x7E, 0x3C, 0x18], [0x81, 0x42, 0x3C, 0x5A, 0x7E, 0x24, 0x42, 0x81]
# The worked example, 298 bytes: the screen Blue, Ship Yellow, Alien Green, two sprites untouched
WORKED_EXAMPLE = (b";Screen-Blue-1\r\nShip:\r\n;Yellow-6\r\n      db          18h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h\r\n"
                  b"Alien:\r\n;Green-4\r\n      db          81h,42h,3Ch,5Ah,7Eh,24h,42h,81h\r\n"
                  b"Sprite3:\r\n;White-7\r\n      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n"
                  b"Sprite4:\r\n;White-7\r\n      db          00h,00h,00h,00h,00h,00h,00h,00h\r\n")
# The 2650 program that starts every cartridge image; the colour bytes are at 0x55, 0x5A and 0x5F.
CARTRIDGE_PROGRAM = bytes.fromhex(
    "77027640048005FF06FFCD7800CD3A00E5D018021B7404EECC18FC2005FF06FF0D2065E5201805CE39801B740440CC18F10490"
    "CC18F00450CC18F30490CC18F20460CC18F50490CC18F40470CC18F70490CC18F60420CC19FB0432CC19FA0403CC19F91B7E")
MAIN = "^(.+ - )?Tilewright$"  # the main window's title: "Tilewright", or the file's name before " - Tilewright"
FILE_MENU = ["New Project", "Load Project", "Save Project", "Create Binary", "Exit"]
px = lambda t: (t + 7) // 15  # twips to pixels, rounded control by control as the window does
# The centre of a control, in the design frame at 120,120 of the client area unless `at` says where else
ctl = lambda left, top, w=0, h=0, at=(px(120), px(120)): (at[0] + px(left) + px(w) // 2, at[1] + px(top) + px(h) // 2)
PANEL = [ctl(x, y) for x, y in [(240, 360), (3960, 360), (240, 4200), (3960, 4200)]]
COLORS, VIEW = ctl(7875, 360), ctl(7770 + 420, 4215 + 240)  # the colour frame, the view area
block = lambda k, i: ctl(120 + i % 8 * 360, 360 + i // 8 * 360, 330, 315, PANEL[k])
button = lambda k, left, w: ctl(left, 3360, w, 255, PANEL[k])  # the name box at 600, View 1680, Color 2280
option = lambda code: ctl(315, {6: 600, 4: 1320, 1: 2415}[code], 0, 240, COLORS)  # a little into the round indicator
row = lambda k, rows, r, fg: [(block(k, r * 8 + c), fg if rows[r] & 0x80 >> c else BLUE) for c in range(8)]
read = lambda name: os.path.exists(f"{WORK}/{name}") and open(f"{WORK}/{name}", "rb").read()


def wait_until(what, probe):  # until probe() gives a true value that is not a string saying what is amiss
    deadline = time.monotonic() + WAIT
    while not (result := probe()) or isinstance(result, str):
        assert time.monotonic() < deadline, f"gave up waiting for {what}: {result}"
        time.sleep(0.1)
    return result


def run(*command, check=True):
    done = subprocess.run([str(c) for c in command], env=X_ENV, capture_output=True, timeout=WAIT)
    assert done.returncode == 0 or not check, f"{command[:3]} failed: {done.stderr.decode(errors='replace')}"
    return done.stdout


def screen():  # a screenshot; the pixels are the last bytes, after a short header
    pixels = run("import", "-silent", "-window", "root", "-depth", "8", "ppm:-")[-W * H * 3:]
    return lambda x, y: tuple(pixels[(y * W + x) * 3:(y * W + x) * 3 + 3])


def close_box(window):  # what a window manager sends when the close box is clicked
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    dpy = ctypes.c_void_p(x11.XOpenDisplay(X_ENV["DISPLAY"].encode()))
    protocols, delete = (x11.XInternAtom(dpy, name, 0) for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW"))
    # an XClientMessageEvent, as longs: type ClientMessage, serial, send_event, display, window, type, format, data
    x11.XSendEvent(dpy, ctypes.c_ulong(window), 0, 0, (ctypes.c_long * 24)(33, 0, 0, 0, window, protocols, 32, delete))
    x11.XCloseDisplay(dpy)  # which sends it


class Editor:
    def __init__(self, label, welcome_key, *files):  # a HOME of its own, and no settings of the desktop we run under
        env = {k: v for k, v in X_ENV.items() if not k.startswith(("QT_", "XDG_", "DESKTOP_"))}
        env.update(QT_QPA_PLATFORM="xcb", HOME=f"{WORK}/{label}", XDG_RUNTIME_DIR=f"{WORK}/{label}", LC_ALL="C.UTF-8",
                   LSAN_OPTIONS=f"suppressions={sys.path[0]}/lsan-system-libraries.supp")  # for sanitizer builds
        os.makedirs(env["HOME"], mode=0o700)
        self.window, log = None, open(f"{WORK}/{label}.log", "wb")
        self.proc = subprocess.Popen([os.path.abspath(ARGS["--editor"]), *files], cwd=WORK, env=env, stdout=log, stderr=log)
        EDITORS.append(self.proc)
        wait_until("Welcome before the window", lambda: self.windows("^Welcome$") and not self.windows(MAIN))
        self.answer("Welcome", "key", welcome_key)
        self.window = wait_until("the main window", lambda: self.windows(MAIN))[0]
        place = lambda: tuple(map(int, re.findall(rb"\d+", run("xdotool", "getwindowgeometry", "--shell", self.window))[1:5]))
        x, y, w, h = place()
        bar = h - px(8235)  # the menu bar, over the client area
        # Read anew each time: the Console View may move the window to the screen's edge to stand beside it
        self.origin = lambda: (lambda x, y, *_: (x, y + bar))(*place())
        self.at = lambda p, o=None: (lambda ox, oy: (ox + p[0], oy + p[1]))(*(o or self.origin()))
        # File and Help: a little right of where the two runs of columns with dark (text) pixels start
        dark = lambda s: [c for c in range(x, x + w) if any(sum(s(c, r)) < 300 for r in range(y + 2, y + bar - 2))]
        starts = lambda d: [(c + 5 - x, bar // 2 - bar) for i, c in enumerate(d) if i == 0 or c - d[i - 1] > 6]
        self.titles = wait_until("File and Help in the menu bar", lambda: len(t := starts(dark(screen()))) == 2 and t)

    def windows(self, title=""):  # its visible top-level windows with this title; without one, but the main window
        found = run("xdotool", "search", "--all", "--onlyvisible", "--pid", self.proc.pid, "--name", title, check=False)
        return [w for w in map(int, found.split()) if w != self.window]

    def answer(self, title, *xdotool):  # the window (untitled: the menu) gets the keyboard and commands; it closes
        window = wait_until(f"a window {title!r}", lambda: self.windows(title and f"^{title}$"))[0]
        run("xdotool", "windowfocus", "--sync", window, *xdotool)
        wait_until(f"{title!r} to close", lambda: window not in self.windows())

    def click(self, *points):
        run("xdotool", *[a for x, y in map(self.at, points) for a in ("mousemove", x, y, "click", 1)])

    def menu(self, item, *box):  # File > item by the keyboard in the open menu; then the box it opens answered
        self.click(self.titles[0])
        self.answer("", "key", *["Down"] * (1 + FILE_MENU.index(item)), "Return")
        self.answer(*box) if box else None

    def expect(self, what, expected, covered=False):  # until each point shows its colour (or, covered, does not)
        wrong = lambda shot, o: [f"{p} is {shot(*self.at(p, o))}" for p, c in expected if (shot(*self.at(p, o)) == c) == covered]
        wait_until(what, lambda: not (bad := wrong(screen(), self.origin())) or f"{len(bad)} wrong, first {bad[0]}")


ARGS = dict(zip(sys.argv[1::2], sys.argv[2::2]))  # --editor and --failures
FAILURES, EDITORS = ARGS["--failures"], []
if missing := [tool for tool in ("Xvfb", "xdotool", "import") if not shutil.which(tool)]:
    print(f"missing {missing}: install xvfb, xdotool and imagemagick (scripts/deps does)")
    sys.exit(1 if os.environ.get("CI") else 77)
WORK = tempfile.mkdtemp(prefix="tilewright-e2e-")
xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", f"{W}x{H}x24"], stdout=subprocess.PIPE,
                        stderr=open(f"{WORK}/xvfb.log", "wb"))
X_ENV = dict(os.environ, DISPLAY=":" + xvfb.stdout.readline().decode().strip())  # the display Xvfb found free
try:
    first = Editor("first", "Return")
    first.click(option(6), button(0, 2280, 510), option(4), button(1, 2280, 510))
    # The names typed into the name boxes: the keys go to the main window, by the focus or, if Qt has not taken it,
    # as the window under the pointer
    for k, name in enumerate(["Sh€ip", "Alien"]):  # the € refused: a project file cannot hold it
        run("xdotool", "mousemove", *first.at(button(k, 600, 735)), "click", 1, "key", "ctrl+a", "type", name)
    first.click(*[block(k, i) for k, r in enumerate([SHIP, ALIEN]) for i in range(64) if r[i // 8] & 128 >> i % 8])
    first.click(option(1), ctl(315, 3255, 1095, 255, COLORS), button(0, 1680, 570))  # Screen Color, View
    first.click(block(2, 0))  # one click too many, taken back with Ctrl+Z: the saved file shows its row restored
    first.expect("the click too many", [(block(2, 0), (255, 255, 255))])
    run("xdotool", "key", "--clearmodifiers", "ctrl+z")
    drawn = row(0, SHIP, 0, YELLOW) + row(0, SHIP, 5, YELLOW) + row(1, ALIEN, 3, GREEN) + [(block(2, 0), BLUE)]
    # and in the view of Ship: the surround and cell 3
    first.expect("the worked example", drawn + [(ctl(45, 45, at=VIEW), BLUE), (ctl(480, 120, 135, 135, VIEW), YELLOW)])
    first.menu("Save Project", "Save As", "key", "--clearmodifiers", "ctrl+a", "type", f"{WORK}/ship\r")  # .eap added
    wait_until("ship.eap", lambda: read("ship.eap") == WORKED_EXAMPLE or repr(read("ship.eap")))
    # the image: the colours of Ship and Alien, of Sprite3 and Sprite4, of the screen; then the rows
    image = bytes({0x55: 6 * 8 | 4, 0x5A: 7 * 8 | 7, 0x5F: 1}.get(i, b) for i, b in enumerate(CARTRIDGE_PROGRAM))
    first.menu("Create Binary")
    wait_until("ship.bin", lambda: read("ship.bin") == image + bytes(SHIP + ALIEN + [0] * 16) or repr(read("ship.bin")))

    second = Editor("second", "Escape", "ship.eap")  # its window covers the first one's: no window manager moves it
    second.expect("the project named on the command line", drawn)
    # Two clicks, the last taken back by Ctrl+Z with a name box focused; Ctrl+S and Return save to ship.eap again
    second.click(block(3, 0), block(3, 63), button(0, 600, 735))
    second.expect("the two clicks", [(block(3, 0), (255, 255, 255)), (block(3, 63), (255, 255, 255))])
    run("xdotool", "key", "--clearmodifiers", "ctrl+z")
    second.expect("the last click taken back", [(block(3, 0), (255, 255, 255)), (block(3, 63), BLUE)])
    run("xdotool", "key", "--clearmodifiers", "ctrl+s")
    second.answer("Save As", "key", "Return")
    edited = WORKED_EXAMPLE[:-33] + b"80h" + WORKED_EXAMPLE[-30:]  # Sprite4's top row
    wait_until("ship.eap saved again", lambda: read("ship.eap") == edited or repr(read("ship.eap")))
    # The first editor has ship.eap open: a real second writer changed it. Reload (the default) shows the change, and
    # Ctrl+Z gives the first editor's project back.
    first.answer("Tilewright", "key", "Return")
    run("xdotool", "windowraise", first.window, "windowfocus", "--sync", first.window)
    first.expect("the reloaded file", drawn + [(block(3, 0), (255, 255, 255))] + [(ctl(480, 120, 135, 135, VIEW), YELLOW)])
    run("xdotool", "key", "--clearmodifiers", "ctrl+z")
    first.expect("the reload taken back", drawn + [(block(3, 0), BLUE)])
    run("xdotool", "windowraise", second.window, "windowfocus", "--sync", second.window)
    second.menu("New Project", "New Project Creation", "key", "Return")
    second.expect("black blocks", [(p, BLACK) for p, _ in drawn])
    # A drag along the second row of Sprite #1 sets every block it passes over; Ctrl+Z takes the stroke back whole
    (x0, y0), (x1, y1) = second.at(block(0, 8)), second.at(block(0, 15))
    run("xdotool", "mousemove", x0, y0, "mousedown", 1, "mousemove", (x0 + x1) // 2, y0, "mousemove", x1, y1, "mouseup", 1)
    stroke = [(block(0, i), (255, 255, 255)) for i in range(8, 16)]
    second.expect("the stroke", stroke)
    run("xdotool", "key", "--clearmodifiers", "ctrl+z")
    second.expect("the stroke taken back", [(p, BLACK) for p, _ in stroke])
    # Save after New offers ship.eap, the file last chosen: it is asked before it is replaced, and Return there is
    # Cancel, which keeps it
    second.click(block(0, 0))
    run("xdotool", "key", "--clearmodifiers", "ctrl+s")
    second.answer("Save As", "key", "Return")
    second.answer("Save Project", "key", "Return")
    second.answer("File Error", "key", "Return")
    assert read("ship.eap") == edited, "ship.eap was replaced without a question"
    second.menu("Load Project", "Tilewright", "key", "Tab", "space")  # the unsaved click: Discard, after Save
    second.answer("Open", "key", "--clearmodifiers", "ctrl+a", "type", f"{WORK}/ship.eap\r")
    second.expect("the loaded project", drawn + [(block(3, 0), (255, 255, 255))])
    # Frames: F6 from Ship's grid (focused by a click in a gap between blocks) gives its strip the keys, Insert adds
    # a copy of frame 0 after it, and Escape closes the view; the grid then edits the new frame
    second.click(ctl(451, 500, at=PANEL[0]))
    run("xdotool", "key", "F6")
    view = wait_until("the Console View", lambda: second.windows("^ship.eap\\*? - Console View$"))[0]
    run("xdotool", "windowfocus", "--sync", view, "key", "Insert", "Escape")
    wait_until("the view closed", lambda: view not in second.windows())
    second.click(block(0, 0), block(0, 7))
    second.expect("frame 1 drawn", [(block(0, 0), YELLOW), (block(0, 7), YELLOW)])
    # Space plays it in the view: among a dozen pictures of the view, both frames show
    run("xdotool", "key", "F6")
    view = wait_until("the Console View again", lambda: second.windows("^ship.eap\\*? - Console View$"))[0]
    run("xdotool", "windowfocus", "--sync", view, "key", "space")
    pictures = set()
    for _ in range(12):
        pictures.add(run("import", "-silent", "-window", view, "ppm:-"))
        time.sleep(0.05)
    run("xdotool", "key", "space", "Escape")
    assert len(pictures) > 1, "the view showed one picture all the while it played"
    # Saved back to ship.eap, with its side file; both read back
    run("xdotool", "windowfocus", "--sync", second.window, "key", "--clearmodifiers", "ctrl+s")
    second.answer("Save As", "key", "Return")
    side = (b";Tilewright side file 1\r\n;TV-NTSC\r\n;Size-16-16-16-16\r\n;Time-6-6-6-6\r\nS1F1:\r\n;Time-6\r\n"
            b"      db          99h,3Ch,7Eh,0FFh,0FFh,7Eh,3Ch,18h\r\n")
    wait_until("ship.eap.asm", lambda: read("ship.eap.asm") == side or repr(read("ship.eap.asm")))
    assert read("ship.eap") == edited, "the project file changed with its frames"
    first.answer("Tilewright", "key", "Escape")  # the first editor has ship.eap open too, and keeps its own
    second.menu("New Project", "New Project Creation", "key", "Return")
    second.menu("Load Project", "Open", "key", "--clearmodifiers", "ctrl+a", "type", f"{WORK}/ship.eap\r")
    second.expect("frame 0 read back", drawn + [(block(3, 0), (255, 255, 255))])
    second.click(ctl(451, 500, at=PANEL[0]))
    run("xdotool", "key", "F6")
    view = wait_until("the Console View of the file read", lambda: second.windows("^ship.eap\\*? - Console View$"))[0]
    run("xdotool", "windowfocus", "--sync", view, "key", "Right", "Escape")
    second.expect("frame 1 read back", [(block(0, 0), YELLOW), (block(0, 7), YELLOW)])
    second.menu("New Project", "New Project Creation", "key", "Return")
    second.menu("Create Binary", "Project error", "key", "Return")
    close_box(second.window)
    wait_until("status 0 after the close box", lambda: second.proc.poll() == 0 or f"status {second.proc.poll()}")

    first.click(first.titles[1])
    first.expect("the help panel over the blocks", drawn, covered=True)
    # A File menu opened now would take the click on Close and not pass it on: the blocks would stay covered.
    first.click(first.titles[0], ctl(4200, 7680, 1215, 255))
    first.expect("the blocks again", drawn)
    # It kept its own project over the second's save: Exit asks, and Discard (after Save) lets it end
    first.menu("Exit", "Tilewright", "key", "Tab", "space")
    wait_until("status 0 after File > Exit", lambda: first.proc.poll() == 0 or f"status {first.proc.poll()}")
except Exception as error:
    shutil.copytree(WORK, FAILURES, dirs_exist_ok=True)  # the logs and files
    run("import", "-silent", "-window", "root", f"{FAILURES}/e2e.png", check=False)
    sys.exit(f"FAILED: {error!r}; a screenshot, the logs and files are in {FAILURES}")
finally:
    for process in EDITORS + [xvfb]:
        process.terminate()
        process.wait()
    shutil.rmtree(WORK, ignore_errors=True)
