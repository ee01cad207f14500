#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Idempotent and
# non-interactive; asks apt only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest           # native core and unit tests
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev  # the Windows exe
  wine wine64 xvfb xauth locales             # running it headless
  fonts-wqy-microhei imagemagick             # legible Chinese, screenshots
  openssl python3                            # the loopback test servers
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
