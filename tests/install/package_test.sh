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
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libqt6printsupport6 libqt6network6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
# "Update Results" checks the results site's certificate against the system's.
grep -q '\bca-certificates\b' <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks ca-certificates"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in ./usr/bin/drawsmith ./usr/share/drawsmith/UK.exe ./usr/share/drawsmith/UK59.exe ./usr/share/drawsmith/IR.exe \
         ./usr/share/drawsmith/IR45.exe ./usr/share/drawsmith/IR47.exe ./usr/share/drawsmith/IR45b.exe \
         ./usr/share/drawsmith/thresult.exe ./usr/share/drawsmith/thresult39.exe \
         ./usr/share/applications/org.drawsmith.Drawsmith.desktop \
         ./usr/share/metainfo/org.drawsmith.Drawsmith.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/org.drawsmith.Drawsmith.svg \
         ./usr/share/icons/hicolor/256x256/apps/org.drawsmith.Drawsmith.png; do
  grep -qx -- "$f" <<<"$contents" || fail "package lacks $f"
done
# Debian Policy: the copyright file, uncompressed and no link, and the
# changelog of a native package, compressed, its first entry this version.
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -x "$deb" "$work/root"
doc=$work/root/usr/share/doc/drawsmith
[ -f "$doc/copyright" ] && [ ! -L "$doc/copyright" ] || fail "no copyright file"
head -n 1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file is not in the machine-readable format"
[ -f "$doc/changelog.gz" ] || fail "no changelog.gz"
gzip -dc "$doc/changelog.gz" >"$work/changelog" || fail "changelog.gz is no gzip file"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] \
  || fail "the changelog's first entry is not version $version"
for f in "$doc/copyright" "$doc/changelog.gz"; do
  [ "$(stat -c %a "$f")" = 644 ] || fail "$f is not mode 644"
done

# The control fields: the description within 80 columns, the section and the
# desktop entry's category agreeing.
long=$(dpkg-deb -f "$deb" Description | awk 'NR == 1 { $0 = "Description: " $0 } length > 80')
[ -z "$long" ] || fail "description lines past 80 columns: $long"
[ "$(dpkg-deb -f "$deb" Section)" = utils ] || fail "Section is $(dpkg-deb -f "$deb" Section)"
grep -qx 'Categories=Utility;' "$work/root/usr/share/applications/org.drawsmith.Drawsmith.desktop" \
  || fail "the desktop entry's category is not Utility"

# Build tools and tests stay out.
if grep -E 'drawsmith-import|/tests/|install_driver' <<<"$contents"; then fail "package holds build files"; fi
echo "package test passed"
