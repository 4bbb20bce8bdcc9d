"""The program as the package installs it: started from an unpacked package root on a real X display
with a fresh home folder, its main window must appear and the starter data must reach that home.
Usage: check_package.py ROOT (the folder the .deb was unpacked into)"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop  # noqa: E402

INSTALLED = ["usr/bin/zenvalo", "usr/share/applications/zenvalo.desktop", "usr/share/mime/packages/zenvalo.xml",
             "usr/share/icons/hicolor/256x256/apps/zenvalo.png", "usr/share/metainfo/org.zenvalo.Zenvalo.metainfo.xml",
             "usr/share/zenvalo/screenshots/main-window.png", "usr/share/zenvalo/Zenvalo.txt",
             "usr/share/zenvalo/Zenvalo(esprimoj).txt", "usr/share/zenvalo/Lisez-moi_Legu min.pdf"]


def main():
    root = os.path.abspath(sys.argv[1])
    missing = [path for path in INSTALLED if not os.path.isfile(os.path.join(root, path))]
    if missing:
        print("missing from the package:", ", ".join(missing))
        return 1
    with Desktop(os.path.join(root, "usr/bin/zenvalo")) as desktop:
        desktop.start_program()
        folder = desktop.path("Zenvalo", "Zenvalaro")
        desktop.wait_for(lambda: os.path.isdir(folder) and len(os.listdir(folder)) == 2, "the starter data")
        for name in ("Zenvalo.txt", "Zenvalo(esprimoj).txt"):
            with open(os.path.join(folder, name), "rb") as copied, \
                    open(os.path.join(root, "usr/share/zenvalo", name), "rb") as shipped:
                if copied.read() != shipped.read():
                    print(name, "differs from the file in the package")
                    return 1
        if not os.path.isfile(desktop.path("Zenvalo", "Lisez-moi_Legu min.pdf")):
            print("the guide was not copied")
            return 1
    print("the installed program starts and copies its starter data")
    return 0


if __name__ == "__main__":
    sys.exit(main())
