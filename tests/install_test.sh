#!/usr/bin/env bash
# Installs into a temporary prefix, checks that every file is in its place, and
# runs the freedesktop validators on what was installed: any message they print
# fails the test, save the one hint that the required categories draw.
# install_test.sh CMAKE BUILD_DIR PROGRAM APP_ID
set -euo pipefail
cmake="$1" build="$2" program="$3" id="$4"
export LC_ALL=C.UTF-8

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
for file in "$desktop" "$metainfo" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
            "$prefix/share/doc/$program/copyright" "$prefix/share/doc/$program/changelog.gz" \
            "$prefix/share/man/man1/$program.1.gz"; do
  [[ -s $file ]] || fail "missing $file"
done
[[ -x $prefix/bin/$program ]] || fail "missing program bin/$program"

png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*2^24+$2*2^16+$3*256+$4 "x" $5*2^24+$6*2^16+$7*256+$8 }'; }
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
  if [[ ! -s $png ]]; then
    fail "missing $png"
  elif [[ $(png_size "$png") != "${size}x$size" ]]; then
    fail "$png is $(png_size "$png") pixels"
  fi
done

grep -qx "Exec=$program %f" "$desktop" || fail "Exec must be $program %f"
grep -qx "Icon=$id" "$desktop" || fail "Icon must be $id"

categories_hint="$desktop: hint: value \"Education;Science;Math;\" for key \"Categories\" in group \"Desktop Entry\" contains more than one main category; application might appear more than once in the application menu"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate failed"
report=$(grep -vxF "$categories_hint" <<<"$report" || true)
[[ -z $report ]] || fail "desktop-file-validate: $report"

success="✔ Validation was successful."
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || true
[[ $report == "$success" ]] || fail "appstreamcli validate: $report"
report=$(appstreamcli validate-tree --no-net --pedantic "$prefix" 2>&1) || true
[[ $report == "$success" ]] || fail "appstreamcli validate-tree: $report"

exit "$failed"
