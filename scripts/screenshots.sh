#!/usr/bin/env bash
# Renders the main window and every dialog to PNG files for a person to look at.
# Usage: scripts/screenshots.sh [folder]
#          the real program on a real X display (Xvfb) under a window manager (openbox), each
#          dialog as it opens over the main window; default folder build/screenshots. The program
#          sees the environment: QT_SCALE_FACTOR=2 for twice the scale, ZENVALO_LOOK=216 for the
#          dark look, ZENVALO_SCREEN_SIZE=2560x2048 for a larger display
#        scripts/screenshots.sh --offscreen [folder] [look]
#          each window drawn headless with sample texts filled in, in one look (default 209)
set -euo pipefail
cd "$(dirname "$0")/.."
offscreen=false
if [ "${1:-}" = "--offscreen" ]; then
    offscreen=true
    shift
fi
folder="${1:-build/screenshots}"
scripts/bootstrap.sh
cmake --preset dev >/dev/null
if $offscreen; then
    cmake --build --preset dev --target zenvalo_screenshots -j "${ZENVALO_BUILD_JOBS:-1}"
    QT_QPA_PLATFORM=offscreen build/dev/tests/ui/zenvalo_screenshots "$folder" "${2:-209}"
else
    cmake --build --preset dev --target zenvalo -j "${ZENVALO_BUILD_JOBS:-1}"
    python3 tests/desktop/screenshots.py build/dev/app/zenvalo "$folder"
fi
