#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop needs:
# the program, a valid desktop entry and AppStream metainfo, and the icons
# in the hicolor theme at 16, 32 and 48 pixels and scalable.
#   check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/vomar" ] || fail "no program in bin/"

desktop=$prefix/share/applications/example.vomar.Vomar.desktop
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
grep -qx 'Name\[bg\]=Вомар' "$desktop" || fail "no Bulgarian name"
grep -q '^Comment\[bg\]=' "$desktop" || fail "no Bulgarian comment"
grep -qx 'Categories=Education;Biology;' "$desktop" || fail "not in Education"
grep -qx 'Exec=vomar' "$desktop" || fail "does not start the program"

appstreamcli validate --no-net "$prefix/share/metainfo/example.vomar.Vomar.metainfo.xml" \
    || fail "metainfo does not validate"

# Width and height of a PNG, from its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'; }
for size in 16 32 48; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/vomar.png
    [ -f "$icon" ] || fail "no ${size}-pixel icon"
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}-pixel icon is $(png_size "$icon")"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/vomar.svg" || fail "no scalable icon"
