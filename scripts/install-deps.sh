#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need.
# Packages already present are left alone, so later runs cost one dpkg query.
#   --package  also the checker of the Debian package (lintian), which only ./package.sh uses
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n
  libjpeg62-turbo-dev libpng-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth xdotool imagemagick
  libx11-dev libxdamage-dev libxtst-dev
  desktop-file-utils appstream file
)

for arg in "$@"; do
  case "$arg" in
    --package) packages+=(lintian) ;;
    *)
      echo "usage: $0 [--package]" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages: ${missing[*]}; run as root or install them first" >&2
  exit 1
fi

echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
