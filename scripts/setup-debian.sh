#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the benchmarks and the
# demo need. Safe to run again; needs root (or sudo).
set -euo pipefail

want_windows=1
for arg in "$@"; do
  case "$arg" in
    --no-windows) want_windows=0 ;;
  esac
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

packages=(
  build-essential cmake ninja-build pkg-config git ca-certificates curl
  g++ clang libclang-rt-14-dev
  libcurl4-openssl-dev libssl-dev openssl
  libcpp-httplib-dev nlohmann-json3-dev rapidjson-dev
  libhowardhinnant-date-dev tzdata locales
  libgtest-dev libgmock-dev googletest libbenchmark-dev
)
if [ "$want_windows" -eq 1 ]; then
  packages+=(mingw-w64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
