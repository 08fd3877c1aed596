#!/usr/bin/env bash
# What installing puts on a machine, as `cpack -G DEB` packs it: exactly the expected files, working
# programs, the catalogue where the viewer searches it, the book of the catalogue, valid desktop entry and metainfo, the MIT
# licence, and the dependencies the programs need; lintian finds no error or warning, and the
# programs carry Debian's hardening.
# SPDX-License-Identifier: MIT
# Usage: package_test.sh CPACK BUILD_DIR SOURCE_DIR APP_ID PREFIX CONFIG
# Ends with 77 (skipped) when a Debian or validation tool is missing, once the rest has passed.
set -euo pipefail
cpack=$1 build=$2 source=$3 app_id=$4 prefix=$5 config=$6
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
  { echo "SKIP: no dpkg-deb or dpkg-shlibdeps (./scripts/install-deps tests)" && exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/vexolite-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/log" 2>&1 ||
  fail "cpack failed: $(cat "$work/log")"
deb=$(echo "$work"/vexolite_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libcairo2 fonts-liberation qt6-qpa-plugins; do
  grep -qw "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
share=.$prefix/share apps=.$prefix/share/icons/hicolor
printf '%s\n' ".$prefix/bin/"{vexolite,vexolite-catalog,vexolite-book} \
  "$share/vexolite/VEXOLITE.DAT" "$share/applications/$app_id.desktop" \
  "$share/metainfo/$app_id.metainfo.xml" \
  "$share/doc/vexolite/"{copyright,changelog.gz,vexolite-catalogue.pdf} \
  "$share/man/man1/"{vexolite,vexolite-catalog,vexolite-book}.1.gz \
  "$apps"/{48x48,128x128,256x256}/apps/$app_id.png | sort >"$work/expected"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort | diff -u "$work/expected" - >&2 ||
  fail "the package holds other files than expected"

dpkg-deb -x "$deb" "$work/root"
root=$work/root$prefix desktop=$work/root$prefix/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
cmp "$root/share/vexolite/VEXOLITE.DAT" "$source/data/VEXOLITE.DAT" || fail "another catalogue"
grep -qaF "$prefix/share/vexolite" "$root/bin/vexolite" || fail "the viewer does not search $prefix"
"$root/bin/vexolite-catalog" dump "$root/share/vexolite/VEXOLITE.DAT" >"$work/dump" &&
  head -n1 "$work/dump" | grep -q ': 875 records$' || fail "vexolite-catalog reads no 875 records"
# The shipped book: the one the build made, of every case with its solution, and the packaged
# vexolite-book makes it again, byte for byte, from the packaged catalogue.
cmp "$root/share/doc/vexolite/vexolite-catalogue.pdf" "$build/packaging/vexolite-catalogue.pdf" ||
  fail "the package ships another book than the build made"
epoch=$(date -u -d "$(sed -n 's/^ -- [^>]*>  //p' "$source/packaging/changelog" | head -n1)" +%s)
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$epoch} "$root/bin/vexolite-book" \
  "$root/share/vexolite/VEXOLITE.DAT" -o "$work/book.pdf" --paper a4 --language es ||
  fail "the packaged vexolite-book makes no book"
cmp "$work/book.pdf" "$root/share/doc/vexolite/vexolite-catalogue.pdf" ||
  fail "the packaged vexolite-book makes another book than the shipped one"
if command -v pdfinfo >/dev/null; then
  pdfinfo "$work/book.pdf" | grep -qx 'Title: *Vexolite: catalogo de figuras' ||
    fail "the shipped book has no title"
fi
for page in vexolite vexolite-catalog vexolite-book; do
  warnings=$(man --warnings -l "$root/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
    fail "man cannot show $page(1)"
  [ -z "$warnings" ] || fail "man warns on $page(1): $warnings"
done
# The English translation is a resource inside the viewer (its name is stored in UTF-16).
LC_ALL=C grep -qaP 'v\x00e\x00x\x00o\x00l\x00i\x00t\x00e\x00_\x00e\x00n\x00\.\x00q\x00m' \
  "$root/bin/vexolite" || fail "the viewer does not carry vexolite_en.qm"
grep -qx 'Exec=vexolite' "$desktop" && grep -qx "Icon=$app_id" "$desktop" &&
  grep -q '^Comment\[es\]=' "$desktop" || fail "the desktop entry lacks Exec, Icon or Comment[es]"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" &&
  grep -qF '<summary xml:lang="es">' "$metainfo" || fail "the metainfo lacks the launchable or es"
grep -qx 'License: MIT' "$root/share/doc/vexolite/copyright" || fail "the licence is not MIT"

for tool in desktop-file-validate appstreamcli lintian hardening-check; do
  command -v $tool >/dev/null || { echo "SKIP: no $tool; the rest is right" && exit 77; }
done
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $app_id.desktop"
appstreamcli validate --no-net "$metainfo" >"$work/log" 2>&1 ||
  fail "appstreamcli refuses $app_id.metainfo.xml: $(cat "$work/log")"
# Debian's judgement of the package: its fields, changelog, manual pages and compression give no
# error or warning, and no hardening tag, though those are only informational. The other
# informational tags may stay; the README names the ones that do and why.
# lintian judges a package for /usr: from a build for another prefix (/usr/local by default) the
# same files are packed again below /usr for it; only their paths differ.
judged=$deb
if [ "$prefix" != /usr ]; then
  "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/usr" \
    -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >"$work/log" 2>&1 ||
    fail "cpack failed: $(cat "$work/log")"
  judged=$(echo "$work"/usr/vexolite_*.deb)
fi
lintian --fail-on none -I --tag-display-limit 0 "$judged" 2>/dev/null >"$work/log" ||
  fail "lintian failed: $(cat "$work/log")"
if grep -qE '^[EW]: |^I: [^ ]+ hardening-' "$work/log"; then fail "lintian: $(cat "$work/log")"; fi
# What lintian leaves out, such as the stack protector. Debian 12's dpkg-buildflags gives no
# control-flow protection (nor stack-clash protection, which hardening-check does not fail on).
# A Debug build is not optimised, so it has no fortified functions; the catalogue tool's and the
# book tool's only fortifiable calls are memcpy, memmove and memset on sizes known at run time
# alone, which keep their plain form, so hardening-check finds none in them either (lintian does
# not mind that).
unchecked=(--nocfprotection)
[ "$config" != Debug ] || unchecked+=(--nofortify)
{ hardening-check "${unchecked[@]}" "$root/bin/vexolite" &&
  hardening-check "${unchecked[@]}" --nofortify "$root/bin/vexolite-catalog" &&
  hardening-check "${unchecked[@]}" --nofortify "$root/bin/vexolite-book"; } >"$work/log" 2>&1 ||
  fail "the programs lack Debian's hardening: $(cat "$work/log")"
echo "$(basename "$deb"): the expected files, valid and working; Depends: $depends"
