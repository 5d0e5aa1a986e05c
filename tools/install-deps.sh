#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Usage: install-deps.sh [run|test]
set -euo pipefail
purpose=${1:-test}

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine fonts-wine
          xvfb xauth googletest fonts-urw-base35 python3 python3-fonttools imagemagick xdotool x11-utils
          fp-utils nsis)
if [ "$purpose" = test ]; then
    # The print test's PDF printer and its reader; Wine finds the printers through libcups.
    packages+=(g++ clang-format xclip cups printer-driver-cups-pdf libcups2 poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages; run as root or install them: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
