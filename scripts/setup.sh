#!/usr/bin/env bash
# Installs what building and running need, from the distribution's packages
# (Wayland's platform too, for Wayland desktops). Quiet and quick when
# everything is there already. With a mode, also what it needs:
#   --test     GoogleTest, clang-format and git (for the format check), the
#              validators of the installed files, and poppler-utils to read
#              the printed page back
#   --package  the tools that make and check the Debian package
#   --bench    Google Benchmark, and for the measurements a virtual X server,
#              a mouse driver, valgrind, GNU time, and the ephemeris that
#              bench/real_sky.py compares with
#   --accessibility  a virtual X server, a session bus and AT-SPI, for
#              scripts/check-accessibility.sh
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  # Qt's Widgets, Svg and PrintSupport (the print dialog, with the CUPS plugin)
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev qt6-wayland
  # small text set from the font's outlines (render/small_text.cpp)
  libfreetype-dev
  liberfa-dev tzdata
  # Qt Linguist's lupdate and lrelease, and the toolkit's own translations
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
)
case "${1:-}" in
  "") ;;
  --test) packages+=(libgtest-dev libgmock-dev clang-format git desktop-file-utils appstream man-db poppler-utils) ;;
  --package) packages+=(dpkg-dev lintian fakeroot file) ;;
  --bench) packages+=(libbenchmark-dev xvfb xauth xdotool valgrind time python3-ephem) ;;
  --accessibility) packages+=(xvfb xauth dbus at-spi2-core python3-pyatspi) ;;
  *) echo "usage: scripts/setup.sh [--test | --package | --bench | --accessibility]" >&2; exit 2 ;;
esac

if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
  echo "setup: this system has no apt-get/dpkg; install by hand: a C++20 compiler, CMake 3.25+, Qt 6 Widgets, Svg, PrintSupport and Linguist tools" \
       "(with GoogleTest for the tests, Google Benchmark for the benchmarks)" >&2
  exit 1
fi
. /etc/os-release 2>/dev/null || true
case " ${ID:-} ${ID_LIKE:-} " in
  *" debian "* | *" ubuntu "*) ;;
  *) echo "setup: unknown system '${ID:-?}': this script knows Debian and Ubuntu" >&2; exit 1 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null 2>&1 || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
echo "setup: installing ${missing[*]}"
"${sudo[@]}" apt-get update -qq
# Through env: sudo drops the caller's environment.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
