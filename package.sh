#!/usr/bin/env bash
# Installs what is missing, builds the game, makes its Debian package in build/ and checks it
# with lintian. Install it with: apt-get install ./build/tessary_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --package
cmake --preset default >/dev/null
cmake --build --preset default

rm -f build/tessary_*.deb
(cd build && cpack -G DEB)
package=$(ls build/tessary_*.deb)

if command -v lintian >/dev/null; then
  lintian --fail-on error "$package"
fi
echo "package: $(realpath "$package")"
