#!/usr/bin/env bash
# What `cmake --install` puts on a machine: both programs, the catalogue in the data folder the
# viewer searches, a valid desktop entry and AppStream metainfo, the icons of three sizes, and the
# licence in Debian's copyright format with the text of LICENSE.
# SPDX-License-Identifier: MIT
#
# Usage: installed_files_test.sh BUILD_DIR SOURCE_DIR APP_ID PREFIX
#   PREFIX  the install prefix the build was configured with; the viewer must carry
#           PREFIX/share/vexolite as its data folder.
# Ends with 77 (skipped) when desktop-file-validate or appstreamcli is missing, once every other
# check has passed.
set -euo pipefail
build=$1 source=$2 app_id=$3 prefix=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/vexolite-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

staged=$work/stage
cmake --install "$build" --prefix "$staged" >"$work/install.log" ||
  fail "cmake --install failed: $(cat "$work/install.log")"

for program in vexolite vexolite-catalog; do
  [ -x "$staged/bin/$program" ] || fail "bin/$program is not installed"
done
cmp -s "$staged/share/vexolite/VEXOLITE.DAT" "$source/data/VEXOLITE.DAT" ||
  fail "share/vexolite/VEXOLITE.DAT is not the shipped catalogue"
# The viewer searches the data folder below the configured prefix, where a plain install puts
# the catalogue.
grep -qaF "$prefix/share/vexolite" "$staged/bin/vexolite" ||
  fail "the viewer does not search $prefix/share/vexolite"
"$staged/bin/vexolite-catalog" dump "$staged/share/vexolite/VEXOLITE.DAT" >"$work/dump" ||
  fail "the installed vexolite-catalog cannot read the catalogue"
head -n1 "$work/dump" | grep -q ': 875 records$' ||
  fail "the installed catalogue does not hold 875 records: $(head -n1 "$work/dump")"

desktop=$staged/share/applications/$app_id.desktop
metainfo=$staged/share/metainfo/$app_id.metainfo.xml
[ -f "$desktop" ] || fail "share/applications/$app_id.desktop is not installed"
[ -f "$metainfo" ] || fail "share/metainfo/$app_id.metainfo.xml is not installed"
grep -qx 'Exec=vexolite' "$desktop" || fail "the desktop entry does not start vexolite"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -qF "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -qF '<summary xml:lang="es">' "$metainfo" || fail "the metainfo has no Spanish summary"
grep -q '^Comment\[es\]=' "$desktop" || fail "the desktop entry has no Spanish comment"
# The English translation is a resource inside the viewer (its name is stored in UTF-16).
LC_ALL=C grep -qaP 'v\x00e\x00x\x00o\x00l\x00i\x00t\x00e\x00_\x00e\x00n\x00\.\x00q\x00m' \
  "$staged/bin/vexolite" || fail "the installed viewer does not carry vexolite_en.qm"
grep -qF '<project_license>MIT</project_license>' "$metainfo" ||
  fail "the metainfo's project_license is not MIT"

copyright=$staged/share/doc/vexolite/copyright
[ -f "$copyright" ] || fail "share/doc/vexolite/copyright is not installed"
grep -qx 'License: MIT' "$copyright" || fail "the copyright file's licence is not MIT"
grep -qx 'Copyright: 2026 The Vexolite developers' "$copyright" ||
  fail "the copyright file does not name The Vexolite developers"
# The licence text follows "License: MIT" one space in, an empty line written " .".
sed -n '/^License: MIT$/,$p' "$copyright" | sed '1d; /^[^ ]/,$d; s/^ //; s/^\.$//' >"$work/licence"
sed -n '/^Permission is hereby granted/,$p' "$source/LICENSE" | cmp -s - "$work/licence" ||
  fail "the copyright file's licence text is not that of LICENSE"

# The width and height of a PNG: bytes 16 to 23 of its header, big-endian.
png_size() {
  local bytes
  read -r -a bytes <<<"$(od -An -tu1 -j16 -N8 "$1")"
  echo "$(((bytes[2] << 8) + bytes[3]))x$(((bytes[6] << 8) + bytes[7]))"
}
for size in 48 128 256; do
  icon=$staged/share/icons/hicolor/${size}x$size/apps/$app_id.png
  [ -f "$icon" ] || fail "the ${size}x$size icon is not installed"
  [ "$(png_size "$icon")" = "${size}x$size" ] ||
    fail "the ${size}x$size icon is $(png_size "$icon") pixels"
done

missing=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $app_id.desktop"
else
  missing+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli refuses $app_id.metainfo.xml: $(cat "$work/appstream.log")"
else
  missing+=(appstreamcli)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIP: ${missing[*]} not installed (./scripts/install-deps tests); the files themselves" \
    "are right"
  exit 77
fi
echo "installed: vexolite, vexolite-catalog, the catalogue, a valid desktop entry and metainfo," \
  "icons of 48, 128 and 256 pixels, the MIT licence"
