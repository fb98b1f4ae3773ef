#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

if [ -x build/src/tessary ]; then
  exec build/src/tessary "$@"
fi
echo "The game window is not built yet: the engine libraries and their tests are."
