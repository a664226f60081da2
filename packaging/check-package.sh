#!/usr/bin/env bash
# Checks a built nivra .deb: its files, its dependencies, and that the desktop entry, the
# software-centre description and the file type are accepted by the tools that read them.
# With INSTALL=1 (as root, or through sudo) it also installs the package with apt and checks what the desktop
# then knows: the menu entry, the program, and nivra as the opener of ".alt" files.
set -euo pipefail
deb=${1:?usage: check-package.sh PACKAGE.deb}
fail() { echo "check-package: $*" >&2; exit 1; }

expected="./usr/bin/brixo-sim
./usr/bin/nivra
./usr/bin/nivra-tool
./usr/share/applications/nivra.desktop
./usr/share/doc/nivra/COPYING
./usr/share/doc/nivra/README.md
./usr/share/doc/nivra/examples/soaring-flight.alt
./usr/share/doc/nivra/examples/training-hops.alt
./usr/share/icons/hicolor/128x128/apps/nivra.png
./usr/share/icons/hicolor/16x16/apps/nivra.png
./usr/share/icons/hicolor/24x24/apps/nivra.png
./usr/share/icons/hicolor/256x256/apps/nivra.png
./usr/share/icons/hicolor/32x32/apps/nivra.png
./usr/share/icons/hicolor/48x48/apps/nivra.png
./usr/share/icons/hicolor/64x64/apps/nivra.png
./usr/share/icons/hicolor/scalable/apps/nivra.svg
./usr/share/metainfo/org.nivra.Nivra.metainfo.xml
./usr/share/mime/packages/nivra.xml"
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$actual" = "$(sort <<<"$expected")" ] || fail "the files differ from those expected:
$(diff <(sort <<<"$expected") <(echo "$actual") || true)"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6serialport6 libqt6sql6-sqlite libmuparser libpugixml; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/nivra.desktop" || fail "desktop-file-validate refused nivra.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.nivra.Nivra.metainfo.xml" ||
  fail "appstreamcli refused the metainfo"
# The file type as the desktop's database builds it.
mkdir -p "$root/mime/packages"
cp "$root/usr/share/mime/packages/nivra.xml" "$root/mime/packages/"
XDG_DATA_DIRS="$root" update-mime-database "$root/mime" || fail "update-mime-database refused nivra.xml"
grep -qx "50:application/x-nivra-log:\*.alt" "$root/mime/globs2" || fail "no glob *.alt in the mime database"
for size in 16 48 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/nivra.png" | grep -q "${size} x ${size}" ||
    fail "the ${size}x${size} icon is not of that size"
done
for program in nivra nivra-tool brixo-sim; do
  "$root/usr/bin/$program" --help >/dev/null 2>&1 || [ $? -eq 2 ] || fail "$program does not start"
done
echo "check-package: $deb: files, dependencies, desktop entry, metainfo and file type are in order"

if [ "${INSTALL:-0}" = 1 ]; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "$(realpath "$deb")" >/dev/null
  trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y nivra >/dev/null; rm -rf "$root"' EXIT
  [ "$(nivra --version 2>/dev/null)" = "nivra $(dpkg-deb -f "$deb" Version)" ] || fail "the installed nivra does not run"
  grep -q "^application/x-nivra-log=.*nivra.desktop" /usr/share/applications/mimeinfo.cache ||
    fail "nivra is not listed as an opener of .alt files"
  grep -q ":application/x-nivra-log:\*.alt$" /usr/share/mime/globs2 || fail "the .alt type is not installed"
  echo "check-package: installed with apt: the menu entry, the program and the .alt file type are there"
fi
