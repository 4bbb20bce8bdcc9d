#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
# An optional argument names another preset, such as asan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-ci}"
scripts/bootstrap.sh
cmake --workflow --preset "$preset"
