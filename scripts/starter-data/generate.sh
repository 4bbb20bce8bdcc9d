#!/usr/bin/env bash
# Regenerates res/data/Zenvalo.txt and res/data/Zenvalo(esprimoj).txt from Debian's
# French-Esperanto dictionary. The build never needs this; only whoever changes the word lists does.
# Usage: scripts/starter-data/generate.sh [--install] [--check]
#   --install  first installs the input packages with apt-get (they are not build dependencies)
#   --check    only compares the committed files with what the inputs give
set -euo pipefail
cd "$(dirname "$0")"
if [ "${1:-}" = "--install" ]; then
    shift
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q \
        apertium-eo-fr lttoolbox lttoolbox-dev fortunes-eo
fi
exec python3 generate.py "$@"
