#!/usr/bin/env bash
# Builds the Debian package from a Release build (build/package), validates its desktop entry and
# AppStream metainfo, unpacks it into a clean temporary root and starts the installed program there
# on a real X display with a fresh home folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
folder=build/package
cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENVALO_BUILD_TESTS=OFF >/dev/null
cmake --build "$folder" --target zenvalo -j "${ZENVALO_BUILD_JOBS:-2}"
rm -f "$folder"/zenvalo_*.deb
(cd "$folder" && cpack -G DEB)
deb=$(ls "$folder"/zenvalo_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --info "$deb"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency declared"; exit 1; }
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/zenvalo.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.zenvalo.Zenvalo.metainfo.xml"
python3 tests/desktop/check_package.py "$root"
echo "Package $deb checked."
