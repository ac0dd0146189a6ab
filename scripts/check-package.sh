#!/usr/bin/env bash
# Checks the Debian package that `make package` made in a build folder, as CI does:
#   scripts/check-package.sh <build dir>
# Its desktop entry and AppStream metainfo validate, lintian finds no errors (when lintian is there),
# and the program unpacked with dpkg-deb, outside the build tree, passes the end-to-end smoke run:
# the tray icon appears, the first request reaches the fake Jira, the popover opens.
set -euo pipefail
build=$(cd "${1:?build directory}" && pwd)
shopt -s nullglob
debs=("$build"/norrid_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one norrid_*.deb in $build, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}

echo "== $(basename "$deb"): $(stat -c %s "$deb") bytes"
dpkg-deb --field "$deb" Version Installed-Size Depends

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

echo "== desktop entry and metainfo"
desktop-file-validate "$unpacked/usr/share/applications/app.norrid.Norrid.desktop"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/app.norrid.Norrid.metainfo.xml"

echo "== lintian"
if command -v lintian >/dev/null; then
  # Errors fail the check; warnings and notes are shown.
  lintian --fail-on error --allow-root "$deb"
else
  echo "lintian is not installed; skipped"
fi

echo "== smoke run of the unpacked program"
NORRID_E2E_APP="$unpacked/usr/bin/norrid" ctest --test-dir "$build" -R '^tst_traye2e$' --output-on-failure
