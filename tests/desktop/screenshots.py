"""Renders the main window and every dialog of the real program on a real X display with a window
manager, each dialog as it opens over the main window. Usage: screenshots.py EXECUTABLE FOLDER
The environment reaches the program (QT_SCALE_FACTOR=2 for twice the scale); ZENVALO_LOOK chooses
the look it starts in (216 for the dark one) and ZENVALO_SCREEN_SIZE the display, 1280x1024 unless set."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop  # noqa: E402

HEADER = "#Franca;Esperanto;Bestoj;Manĝaĵoj;Verboj;;;;;;;;;;"
ENTRIES = ["chien;hundo;3;2;2016;1;1;2016;1;1;1;;", "manger;manĝi;1;4;2016;1;1;2016;1;1;3;;",
           "Lentille (optique);Lenso;2;0;2016;1;1;2016;1;1;0;;", "pain;pano;0;1;2016;1;1;2016;1;1;2;;",
           "chat;kato;0;0;2016;1;1;2016;1;1;1;;", "échanger;interŝanĝi;1;1;2016;1;1;2016;1;1;3;;"]

DIALOGS = [("add-words", ["ctrl+a"], "^Vort-provizo$"), ("modify", ["alt+v", "m"], "^Modifo$"),
           ("training", ["ctrl+t"], "^Trejnado"), ("statistics", ["alt+t", "s"], "^Statistiko"),
           ("matching", ["alt+t", "Down", "Return"], "^Kiu kies"),
           ("help", ["alt+h", "Return"], "^Helpo"), ("about", ["alt+h", "p"], "^Pri"),
           ("customise", ["alt+d"] + ["Down"] * 6 + ["Return"], "^Personigo"),
           ("merge-chooser", ["ctrl+k"], "^Kompletigu el alia datumaro$"), ("open-chooser", ["ctrl+o"], "^Malfermu datumaron$"),
           ("new-chooser", ["ctrl+n"], "^Nova datumaro$"), ("save-as-chooser", ["alt+d", "u"], "^Sekurigu kiel$")]


def crop(desktop, windows, path):
    boxes = [w.frame_geometry() for w in windows]
    left = max(0, min(b[0] for b in boxes))
    top = max(0, min(b[1] for b in boxes))
    right = max(b[0] + b[2] for b in boxes)
    bottom = max(b[1] + b[3] for b in boxes)
    desktop.run(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}", path])
    print(path)


def main():
    executable, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    width, height = (int(v) for v in os.environ.get("ZENVALO_SCREEN_SIZE", "1280x1024").split("x"))
    with Desktop(executable, width, height) as desktop:
        if "ZENVALO_LOOK" in os.environ:
            settings = os.path.join(desktop.env["XDG_CONFIG_HOME"], "Applications locales générées par AppWizard")
            os.makedirs(settings)
            with open(os.path.join(settings, "Zenvalo.conf"), "w", encoding="utf-8") as file:
                file.write(f"[Workspace]\nApplicationLook={int(os.environ['ZENVALO_LOOK'])}\n")
        path = desktop.path("Franca-Esperanto.zenv")
        text = f"{len(ENTRIES)}\r\n{HEADER}\r\n" + "".join(line + "\r\n" for line in ENTRIES)
        with open(path, "wb") as file:
            file.write(b"\xff\xfe" + text.encode("utf-16-le"))
        main_window = desktop.start_program(path)
        crop(desktop, [main_window], os.path.join(folder, "main-window.png"))
        for name, keys, title in DIALOGS:
            desktop.key(*keys)
            dialog = desktop.wait_window(title)
            crop(desktop, [main_window, dialog], os.path.join(folder, name + ".png"))
            desktop.key("Escape")
            desktop.wait_window_gone(title)
    return 0


if __name__ == "__main__":
    sys.exit(main())
