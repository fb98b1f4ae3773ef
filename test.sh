#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   ./test.sh          the normal build in build/
#   ./test.sh --asan   the AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
set -euo pipefail
cd "$(dirname "$0")"

preset=default
case "${1:-}" in
  "") ;;
  --asan) preset=asan ;;
  *) echo "usage: $0 [--asan]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
