#!/usr/bin/env bash
# Sets up, builds the Debian package build/package/pelmora_VERSION_ARCH.deb
# with CPack and checks it with lintian (which fails on an error; the
# warnings left are listed in the README).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --package
output=$PWD/build/package
tree=$output/build
# Built as Debian builds its packages: with its hardening flags.
cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release -DPELMORA_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$tree" -j2
rm -f "$output"/pelmora_*.deb
cpack --config "$tree/CPackConfig.cmake" -B "$output" >/dev/null
package=$(echo "$output"/pelmora_*.deb)
echo "package: ${package#"$PWD/"}"
lintian --fail-on error "$package"
