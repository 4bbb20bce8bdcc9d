"""Runs a command on a real X display with a window manager: Xvfb and openbox are started for it
and stopped afterwards. Usage: run_on_display.py COMMAND [ARGUMENTS...]"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop  # noqa: E402


def main():
    with Desktop(executable=None) as desktop:
        return subprocess.run(sys.argv[1:], env=desktop.env, timeout=600).returncode


if __name__ == "__main__":
    sys.exit(main())
