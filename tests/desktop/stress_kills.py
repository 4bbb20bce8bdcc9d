"""Kills the real program with SIGKILL while it saves a large data set, again and again, and checks
that the file is always the old or the new one, whole, and that the next save leaves no temporary
file behind. Slow: run by hand. Usage: stress_kills.py EXECUTABLE [KILLS] [ENTRIES]"""

import os
import random
import signal
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop  # noqa: E402


def data_set(entries):
    """A data set with learned entries among the others: the first save drops them, so the saved
    file differs from the one read."""
    lines = [f"mot{i};vorto{i};{i % 5};{(i * 3) % 5};2016;1;{1 + i % 28};2016;2;{1 + i % 28};{i % 11};;"
             for i in range(entries)]
    lines += [f"appris{i};lernita{i};5;5;2016;1;1;2016;1;1;0;;" for i in range(1000)]
    text = f"{len(lines)}\r\n#Franca;Esperanto;;;;;;;;;;;;;\r\n" + "".join(line + "\r\n" for line in lines)
    return b"\xff\xfe" + text.encode("utf-16-le")


def temporary_files(folder):
    return [name for name in os.listdir(folder) if name.startswith(".zenvalo-") and name[9:10].isdigit()]


def is_whole(content):
    lines = content[2:].decode("utf-16-le").split("\r\n")
    count = int(lines[0])
    return lines[-1] == "" and len(lines) == count + 3 and all(line.endswith(";;") for line in lines[2:-1])


def main():
    executable = sys.argv[1]
    kills = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    entries = int(sys.argv[3]) if len(sys.argv) > 3 else 1_000_000
    original = data_set(entries)
    seen = {"old": 0, "new": 0}
    with Desktop(executable) as desktop:
        path = desktop.path("Granda.zenv")
        with open(path, "wb") as file:
            file.write(original)
        saved = None
        left = 0
        backup = desktop.path("Granda_sav.zenv")
        for kill in range(kills):
            # Each round starts from the file as first written, so that each save changes it.
            with open(path, "wb") as file:
                file.write(original)
            if os.path.exists(backup):
                os.remove(backup)
            desktop.start_program(path)
            desktop.wait_for(lambda: os.path.exists(backup) and os.path.getsize(backup) == len(original),
                             "the data set read and backed up", timeout=60)
            time.sleep(0.2)
            desktop.run(["xdotool", "key", "ctrl+s"])
            time.sleep(random.uniform(0.0, 0.4))
            os.kill(desktop.program.pid, signal.SIGKILL)
            desktop.program.wait()
            left += len(temporary_files(desktop.home))
            with open(path, "rb") as file:
                content = file.read()
            if content == original:
                seen["old"] += 1
            else:
                assert is_whole(content), f"kill {kill + 1}: the data set is neither old nor whole"
                assert saved is None or content == saved, f"kill {kill + 1}: a third version"
                saved = content
                seen["new"] += 1
        desktop.start_program(path)
        desktop.key("ctrl+s")
        desktop.wait_for(lambda: not temporary_files(desktop.home),
                         "the temporary files to be removed by the next save", timeout=30)
        desktop.key("alt+d", "e", "e", "Return")
        assert desktop.program_exited(30)
        print(f"{kills} kills: {seen['old']} old, {seen['new']} new, all whole; "
              f"{left} times a temporary file was left by a kill, none after the next save")


if __name__ == "__main__":
    main()
