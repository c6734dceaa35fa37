#!/usr/bin/env bash
# package_test.sh BUILD_DIR
#
# Builds the Debian package into a temporary folder and checks what it holds
# and that it asks for the Qt runtime it needs.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(find "$work" -maxdepth 1 -name 'drawsmith_*.deb' | head -n 1)
[ -n "$deb" ] || fail "no package made"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in ./usr/bin/drawsmith ./usr/share/drawsmith/UK.exe ./usr/share/drawsmith/IR.exe \
         ./usr/share/drawsmith/thresult.exe \
         ./usr/share/applications/org.drawsmith.Drawsmith.desktop \
         ./usr/share/metainfo/org.drawsmith.Drawsmith.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.drawsmith.Drawsmith.svg \
         ./usr/share/icons/hicolor/256x256/apps/org.drawsmith.Drawsmith.png; do
  grep -qx -- "$f" <<<"$contents" || fail "package lacks $f"
done
# Build tools and tests stay out.
if grep -E 'drawsmith-import|/tests/|install_driver' <<<"$contents"; then fail "package holds build files"; fi
echo "package test passed"
