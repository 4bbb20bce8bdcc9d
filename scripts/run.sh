#!/usr/bin/env bash
# Installs what is missing, builds Zenvalo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
cmake --preset dev
cmake --build --preset dev
if [ -x build/dev/app/zenvalo ]; then
    exec build/dev/app/zenvalo "$@"
fi
echo "The core libraries are built; the program's window is not part of this version yet."
