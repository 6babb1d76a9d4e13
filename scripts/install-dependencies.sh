#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the tests and the editor need and this machine lacks.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev
  nlohmann-json3-dev libcli11-dev
)
[[ ${1:-} == --display ]] && packages+=(xvfb xauth)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
