#!/usr/bin/env bash
# Installs what is missing, builds the editor, writes a demo channel file and starts the editor.
# On a machine without a display: xvfb-run -a scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh --display

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target channel-editor vcntool

mkdir -p demo
[[ -e demo/demo.vcn ]] || build/vcntool demo demo/demo.vcn
build/vcntool check demo/demo.vcn >/dev/null
echo "Demo channel file: $PWD/demo/demo.vcn (press Open in the editor)"
cd demo
exec ../build/channel-editor
