#!/usr/bin/env bash
# Installs what is missing, builds Ombrel (Release, in build/) and runs it on
# the bundled example network.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/dependencies.sh
ombrel_install_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBREL_TESTS=OFF
cmake --build build

build/ombrel-cli cargar --proyecto examples/ghilani16_1.txt
