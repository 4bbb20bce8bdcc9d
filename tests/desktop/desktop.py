"""A real desktop for the program: an X server (Xvfb), a window manager (openbox), a fresh home
folder, the real executable, and real input through the X server (xdotool).

Every process is started here and stopped by its process id, so a test leaves nothing running.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time


def _free_display():
    for number in range(90, 190):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            return number
    raise RuntimeError("no free X display number")


class Window:
    """A top-level X window: its id, its title, and its outer frame as the window manager drew it."""

    def __init__(self, desktop, window_id):
        self.desktop = desktop
        self.id = window_id

    def _info(self, window_id):
        out = self.desktop.run(["xwininfo", "-id", str(window_id)])
        values = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                values[key.strip()] = value.strip()
        return values

    def client_geometry(self):
        info = self._info(self.id)
        return (int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
                int(info["Width"]), int(info["Height"]))

    def frame_geometry(self):
        """The outer frame, decorations included: the client enlarged by _NET_FRAME_EXTENTS."""
        x, y, width, height = self.client_geometry()
        out = self.desktop.run(["xprop", "-id", str(self.id), "_NET_FRAME_EXTENTS"])
        if "=" not in out:
            return x, y, width, height
        left, right, top, bottom = (int(v) for v in out.split("=")[1].split(","))
        return x - left, y - top, width + left + right, height + top + bottom

    def centre(self):
        x, y, width, height = self.frame_geometry()
        return x + width / 2, y + height / 2


class Desktop:
    """Xvfb with openbox and a fresh HOME; start() the program with start_program()."""

    def __init__(self, executable, width=1280, height=1024):
        self.executable = os.path.abspath(executable) if executable and os.sep in executable else executable
        self.size = (width, height)
        self.root = tempfile.mkdtemp(prefix="zenvalo-desktop-")
        self.home = os.path.join(self.root, "home")
        os.mkdir(self.home)
        self.display = f":{_free_display()}"
        self.env = dict(os.environ)
        self.env.update({"DISPLAY": self.display, "HOME": self.home, "QT_QPA_PLATFORM": "xcb",
                         "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
                         "XDG_DATA_HOME": os.path.join(self.home, ".local/share"),
                         "XDG_RUNTIME_DIR": os.path.join(self.home, ".runtime"),
                         "LC_ALL": "C.UTF-8", "LANG": "C.UTF-8",
                         # No speech daemon is started for the tests: listing its thousands of
                         # voices takes seconds, minutes under the sanitizers.
                         "SPEECHD_ADDRESS": "unix_socket:" + os.path.join(self.root, "no-speechd.sock")})
        for key in ("WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS"):
            self.env.pop(key, None)
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700)
        self.processes = []
        self.program = None

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            for name in ("Xvfb.log", "openbox.log"):
                if os.path.exists(os.path.join(self.root, name)):
                    print(name, open(os.path.join(self.root, name)).read())
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def _spawn(self, command, **kwargs):
        log = open(os.path.join(self.root, os.path.basename(command[0]) + ".log"), "ab")
        process = subprocess.Popen(command, env=self.env, stdout=log, stderr=log,
                                   start_new_session=True, **kwargs)
        log.close()
        self.processes.append(process)
        return process

    def start(self):
        width, height = self.size
        self._spawn(["Xvfb", self.display, "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp", "-noreset"])
        self.wait_for(lambda: self.run(["xdpyinfo"], check=False) is not None, "the X server")
        self._spawn(["openbox", "--sm-disable"])
        self.wait_for(lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in (self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False) or ""), "the window manager")

    def start_desktop_portal(self):
        """A session bus on which D-Bus starts the desktop portal with its GTK dialogs, as on a GNOME
        desktop; the program started afterwards finds it."""
        address = "unix:path=" + os.path.join(self.root, "session-bus")
        self._spawn(["dbus-daemon", "--session", "--nofork", "--address=" + address])
        self.wait_for(lambda: os.path.exists(os.path.join(self.root, "session-bus")), "the session bus")
        self.env.update({"DBUS_SESSION_BUS_ADDRESS": address, "XDG_CURRENT_DESKTOP": "GNOME",
                         "NO_AT_BRIDGE": "1", "GTK_A11Y": "none"})

    def window_class(self, window):
        return self.run(["xprop", "-id", str(window.id), "WM_CLASS"], check=False) or ""

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    os.killpg(process.pid, signal.SIGKILL)
                    process.wait()
        self.processes.clear()
        shutil.rmtree(self.root, ignore_errors=True)

    def run(self, command, check=True):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=30)
        if result.returncode != 0:
            if check:
                raise RuntimeError(f"{command} failed: {result.stderr}")
            return None
        return result.stdout

    @staticmethod
    def wait_for(condition, what, timeout=15.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError(f"timed out waiting for {what}")

    # The program.

    def start_program(self, *arguments):
        self.program = self._spawn([self.executable, *arguments], cwd=self.home)
        return self.wait_window("^Zenvalo")

    def program_exited(self, timeout=10.0):
        try:
            self.program.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def windows(self, title_pattern):
        out = self.run(["xdotool", "search", "--onlyvisible", "--name", title_pattern], check=False)
        return [Window(self, int(w)) for w in (out or "").split()]

    def wait_window(self, title_pattern, timeout=15.0, other_than=()):
        """The newest window whose title matches, leaving out the windows other_than."""
        excluded = {window.id for window in other_than}
        windows = self.wait_for(lambda: [w for w in self.windows(title_pattern) if w.id not in excluded],
                                f"a window titled {title_pattern}", timeout)
        window = windows[-1]
        # Mapped and framed by the window manager, and the program has placed it.
        self.wait_for(lambda: self.run(["xprop", "-id", str(window.id), "_NET_FRAME_EXTENTS"],
                                       check=False) not in (None, ""), "the window's frame")
        time.sleep(0.3)
        return window

    def wait_window_gone(self, title_pattern, timeout=10.0):
        self.wait_for(lambda: not self.windows(title_pattern), f"{title_pattern} to close", timeout)

    def active_window_title(self):
        out = self.run(["xdotool", "getactivewindow", "getwindowname"], check=False)
        return (out or "").strip()

    # Real input through the X server.

    def key(self, *keys):
        for key in keys:
            self.run(["xdotool", "key", "--clearmodifiers", key])
            time.sleep(0.15)

    def type(self, text):
        self.run(["xdotool", "type", "--delay", "20", text])
        time.sleep(0.2)

    def click(self, x, y):
        self.run(["xdotool", "mousemove", str(int(x)), str(int(y)), "click", "1"])
        time.sleep(0.2)

    def screenshot(self, path):
        self.run(["import", "-window", "root", path])

    def path(self, *parts):
        return os.path.join(self.home, *parts)
