#!/usr/bin/env bash
# Builds the screenshot tool and renders the main window and every dialog to PNG files, headless.
# Usage: scripts/screenshots.sh [folder] [look]   (default folder: build/screenshots; look: 209)
set -euo pipefail
cd "$(dirname "$0")/.."
folder="${1:-build/screenshots}"
look="${2:-209}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target zenvalo_screenshots -j "${ZENVALO_BUILD_JOBS:-1}"
QT_QPA_PLATFORM=offscreen build/dev/tests/ui/zenvalo_screenshots "$folder" "$look"
