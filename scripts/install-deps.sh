#!/usr/bin/env bash
# Installs the Debian packages Norrid needs. Idempotent: it runs apt-get only for packages that are
# missing, and refreshes the package lists only when something has to be installed.
#   scripts/install-deps.sh build   what compiling and packaging need
#   scripts/install-deps.sh run     build + what running on a desktop needs
#   scripts/install-deps.sh test    run + the services and tools the tests start
set -euo pipefail

# qt6-declarative-dev-tools brings qmlcachegen, qmltyperegistrar and qmllint (make lint-qml).
build=(
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qt6-httpserver-dev qt6-websockets-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
  qcoro-qt6-dev qtkeychain-qt6-dev libcanberra-dev libgl-dev libxkbcommon-dev
  libssl-dev dpkg-dev file
)
run=(
  qt6-qpa-plugins qt6-wayland
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-window qml6-module-qtqml-workerscript
  qml6-module-qtqml
  libcanberra0 sound-theme-freedesktop dbus dbus-bin fonts-dejavu-core libsecret-1-0 xdg-utils
)
test=(
  openssl gnome-keyring libsecret-tools dbus-x11 xvfb xauth xdotool trayer dunst x11-utils weston
  desktop-file-utils appstream lintian mount libkf5wallet-bin curl jq libnotify-bin qt6-translations-l10n
  at-spi2-core python3-pyatspi
)

want=("${build[@]}")
case "${1:-test}" in
  build) ;;
  run) want+=("${run[@]}") ;;
  test) want+=("${run[@]}" "${test[@]}") ;;
  *) echo "usage: $0 [build|run|test]" >&2; exit 2 ;;
esac

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
