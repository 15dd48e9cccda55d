#!/usr/bin/env bash
# Builds the Debian package in the build folder and checks it as a distribution would:
# its contents, desktop-file-validate, appstreamcli validate and lintian (no errors).
# A missing checker is skipped with a message and the test reports itself skipped (77).
set -u
BUILD_DIR="$1"
SKIPPED=()
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }

cd "$BUILD_DIR" || exit 1
for tool in cpack dpkg-deb; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -f package/tessaron_*.deb
# cpack's staging copy and the unpacked package hold the whole installation each (half a
# gigabyte); neither outlives the check, so a run leaves only the package itself.
root=$(mktemp -d)
staging="$PWD/_CPack_Packages"
trap 'rm -rf "$root" "$staging"' EXIT
if ! cpack -G DEB --config CPackConfig.cmake >cpack.log 2>&1; then
  cat cpack.log
  echo "FAIL: cpack could not build the package"
  exit 1
fi
deb=$(ls package/tessaron_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { cat cpack.log; echo "FAIL: cpack made no package"; exit 1; }
echo "package: $deb ($(du -h "$deb" | cut -f1))"
dpkg-deb -f "$deb"

dpkg-deb -x "$deb" "$root"
course="$root/usr/lib/tessaron/english"
for file in usr/bin/coursebook usr/bin/wordbook usr/bin/classroom-server \
    usr/lib/tessaron/english/coursebook usr/lib/tessaron/english/wordbook \
    usr/lib/tessaron/english/ts50.ini usr/lib/tessaron/english/tess_r.txt \
    usr/lib/tessaron/english/tess_50_slow.txt usr/lib/tessaron/english/sba_s.txt \
    usr/share/applications/org.tessaron.coursebook.desktop \
    usr/share/applications/org.tessaron.wordbook.desktop \
    usr/share/metainfo/org.tessaron.coursebook.metainfo.xml \
    usr/share/metainfo/org.tessaron.wordbook.metainfo.xml \
    usr/share/doc/tessaron/copyright usr/share/doc/tessaron/changelog.gz \
    usr/share/doc/tessaron/README.classroom-server.md; do
  [ -e "$root/$file" ] || fail "the package lacks /$file"
done
for program in coursebook wordbook; do
  for size in 48x48 128x128 256x256; do
    [ -s "$root/usr/share/icons/hicolor/$size/apps/org.tessaron.$program.png" ] ||
      fail "no $size icon of $program"
  done
  [ -s "$root/usr/share/icons/hicolor/scalable/apps/org.tessaron.$program.svg" ] ||
    fail "no scalable icon of $program"
done
# A learner's files never travel in the package, whatever a test left in the build folder.
leftovers=$(cd "$course" && find . \( -name usr.t -o -name usr.t.lock -o -iname 'tmp1.wav' \
    -o -iname 'save_*.wav' -o -name '*.tmp-*' -o -name dd.t -o -name icons \
    -o -path './0_tmp' -o -regex '\./[0-9]+' \) -print)
[ -z "$leftovers" ] || fail "learners' files in the package: $leftovers"

if command -v desktop-file-validate >/dev/null; then
  echo "--- desktop-file-validate"
  desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
else
  SKIPPED+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
  echo "--- appstreamcli validate --no-net"
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml ||
    fail "appstreamcli validate"
else
  SKIPPED+=(appstreamcli)
fi
if command -v lintian >/dev/null; then
  echo "--- lintian"
  lintian --fail-on error --display-info --tag-display-limit 0 "$deb" || fail "lintian errors"
else
  SKIPPED+=(lintian)
fi

[ "$FAILED" -eq 0 ] || exit 1
if [ ${#SKIPPED[@]} -gt 0 ]; then
  echo "SKIP: not installed: ${SKIPPED[*]} (scripts/packages.txt lists them)"
  exit 77
fi
echo "the package passes"
