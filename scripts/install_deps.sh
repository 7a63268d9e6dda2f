#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build, the tests and the demo need.
set -euo pipefail

packages=(
  cmake g++ make
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev nlohmann-json3-dev
  python3 python3-pil fonts-dejavu-core
)

if [ "$(id -u)" -ne 0 ]; then
  echo "install_deps.sh: run as root (it calls apt-get)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
