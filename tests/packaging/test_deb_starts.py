"""The packaged program runs: the .deb that packaging_deb built, unpacked
into a scratch root, starts on the harness's X server, shows a window
titled "Power management" (no UPower on the private system bus: the "No
batteries detected" page), and ends when that window is closed the way a
window manager closes it (WM_DELETE_WINDOW). Under a German locale it
finds its catalogue in the package and shows a German title."""

import ctypes
import ctypes.util
import glob
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pkgcheck import PACKAGE_DIR, Checks, run  # noqa: E402

TITLE = "Power management"
checks = Checks()

debs = glob.glob(os.path.join(PACKAGE_DIR, "wex-power_*.deb"))
if len(debs) != 1:
    sys.exit("expected one package from packaging_deb in %s, found %s" % (PACKAGE_DIR, debs))
root = tempfile.mkdtemp(prefix="wex-deb-root-")
run(["dpkg-deb", "-x", debs[0], root])
binary = os.path.join(root, "usr", "bin", "wex-power")
if not os.access(binary, os.X_OK):
    sys.exit("the package has no executable usr/bin/wex-power")

# Every library the binary needs resolves on this system.
ldd = run(["ldd", binary]).stdout
checks.check("not found" not in ldd, "unresolved libraries:\n" + ldd)


def send_delete_window(window):
    """Sends WM_PROTOCOLS/WM_DELETE_WINDOW to a window, as a window manager's
    close button does."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                    ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

    class Event(ctypes.Union):  # XEvent is a union padded to 24 longs
        _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

    display = x11.XOpenDisplay(None)
    if not display:
        raise RuntimeError("cannot open the X display")
    try:
        event = Event()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.xclient.format = 32
        event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.xclient.data[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
            raise RuntimeError("XSendEvent failed")
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


env = dict(os.environ, QT_QPA_PLATFORM="xcb")
log = tempfile.TemporaryFile(mode="w+")
program = subprocess.Popen([binary], env=env, stdout=log, stderr=subprocess.STDOUT)
try:
    # The window: found by its exact title, belonging to this process, mapped.
    search = run(["timeout", "30", "xdotool", "search", "--sync", "--onlyvisible", "--name", "^%s$" % TITLE],
                 check=False)
    windows = search.stdout.split()
    if checks.check(search.returncode == 0 and windows, "no visible window titled %r appeared" % TITLE):
        window = int(windows[0])
        checks.equal(run(["xdotool", "getwindowname", str(window)]).stdout.strip(), TITLE, "window title")
        pid = run(["xdotool", "getwindowpid", str(window)], check=False).stdout.strip()
        checks.equal(pid, str(program.pid), "process owning the window")
        checks.check(os.path.realpath("/proc/%d/exe" % program.pid) == os.path.realpath(binary),
                     "the running program is not the packaged binary")
        info = run(["xwininfo", "-id", str(window)]).stdout
        checks.check("Map State: IsViewable" in info, "the window is not viewable:\n" + info)

        send_delete_window(window)
        try:
            status = program.wait(timeout=15)
            checks.equal(status, 0, "exit status after the window was closed")
        except subprocess.TimeoutExpired:
            checks.check(False, "the program did not end within 15 s of its window being closed")
    checks.check(program.poll() is None or
                 run(["xdotool", "search", "--name", "^%s$" % TITLE], check=False).stdout.strip() == "",
                 "a window titled %r is left after the program ended" % TITLE)
finally:
    if program.poll() is None:
        program.kill()
        program.wait()
    log.seek(0)
    output = log.read()
    if output:
        print("program output:\n" + output)

# The catalogues installed beside the binary (<prefix>/share/wex-power/translations).
GERMAN_TITLE = "Energieverwaltung"
german = subprocess.Popen([binary], env=dict(env, LANG="de_DE.UTF-8"), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
try:
    search = run(["timeout", "30", "xdotool", "search", "--sync", "--onlyvisible", "--pid",
                  str(german.pid), "--name", "^%s$" % GERMAN_TITLE], check=False)
    checks.check(search.returncode == 0 and search.stdout.split(),
                 "under LANG=de_DE.UTF-8 no window titled %r appeared" % GERMAN_TITLE)
finally:
    german.terminate()
    german.wait()

checks.finish()
