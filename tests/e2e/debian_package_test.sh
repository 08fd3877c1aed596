#!/usr/bin/env bash
# The Debian package `cpack -G DEB` makes: its name, its dependencies (the libraries found by
# dpkg-shlibdeps, the fonts and the Qt platform plugins), exactly the files it installs, and the
# MIT licence in its copyright file.
# SPDX-License-Identifier: MIT
#
# Usage: debian_package_test.sh CPACK BUILD_DIR APP_ID PREFIX
# Ends with 77 (skipped) when dpkg-deb or dpkg-shlibdeps is missing.
set -euo pipefail
cpack=$1 build=$2 app_id=$3 prefix=$4

for tool in dpkg-deb dpkg-shlibdeps; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (./scripts/install-deps tests installs it)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vexolite-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
packages=("$work"/vexolite_*.deb)
[ -f "${packages[0]}" ] || fail "cpack made no vexolite_*.deb: $(ls "$work")"
deb=${packages[0]}

[ "$(dpkg-deb -f "$deb" Package)" = vexolite ] || fail "the package is not named vexolite"
depends=$(dpkg-deb -f "$deb" Depends)
# One package name a line, without version constraints.
names=$(sed 's/ ([^)]*)//g; s/, */\n/g' <<<"$depends")
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation \
  qt6-qpa-plugins; do
  grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
done

share=.$prefix/share
expected=(
  ".$prefix/bin/vexolite"
  ".$prefix/bin/vexolite-catalog"
  "$share/vexolite/VEXOLITE.DAT"
  "$share/applications/$app_id.desktop"
  "$share/metainfo/$app_id.metainfo.xml"
  "$share/icons/hicolor/48x48/apps/$app_id.png"
  "$share/icons/hicolor/128x128/apps/$app_id.png"
  "$share/icons/hicolor/256x256/apps/$app_id.png"
  "$share/doc/vexolite/copyright"
)
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort >"$work/files"
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/files" >&2 || fail "the package holds other files than expected"

dpkg-deb -x "$deb" "$work/root"
grep -qaF "$prefix/share/vexolite" "$work/root$prefix/bin/vexolite" ||
  fail "the packaged viewer does not search $prefix/share/vexolite"
grep -qx 'License: MIT' "$work/root$prefix/share/doc/vexolite/copyright" ||
  fail "the package's copyright file does not say License: MIT"
echo "$(basename "$deb"): Depends: $depends"
