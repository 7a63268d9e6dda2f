#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the tests and the demo need.
set -euo pipefail

packages=(
  cmake g++ make
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev nlohmann-json3-dev
  python3 python3-pil fonts-dejavu-core
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 zip unzip
  g++-multilib qemu-user googletest
  wine64 clang libclang-rt-14-dev valgrind
)

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "install_deps.sh: needs root to run apt-get; run it as root" >&2
    exit 1
  fi
}

run_as_root apt-get update -qq
run_as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq "${packages[@]}" >/dev/null
