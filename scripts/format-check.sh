#!/usr/bin/env bash
# Fails when a C++ source or header is not formatted as .clang-format says (Debian's clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "Every C++ file is formatted."
