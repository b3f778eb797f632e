#!/usr/bin/env bash
# Installs the Debian 12 packages Brackwell builds, tests and runs with, when any is missing.
#   --fuzz   also clang and its sanitizer and libFuzzer runtimes, for scripts/fuzz.sh
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config make
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils fonts-liberation
  poppler-utils
  locales
  chromium
  dpkg-dev file appstream desktop-file-utils
)
# Node and npm drive chromium in the pick form's browser test: Debian's, unless the machine has a
# node with its own npm already (its nodejs package then conflicts with Debian's npm).
if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
  packages+=(nodejs npm)
fi
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
