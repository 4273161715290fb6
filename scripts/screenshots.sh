#!/usr/bin/env bash
# Draws the desktop windows under a virtual X display (Xvfb) with the bundled
# example network active and saves them into docs/img/: the main window, the
# options dialog and the editor showing the adjustment listing.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/dependencies.sh
# Xvfb and xauth are needed by this script only.
OMBREL_PACKAGES="$OMBREL_PACKAGES xvfb xauth" ombrel_install_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBREL_TESTS=OFF
cmake --build build --target ombrel-screenshots

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/ghilani16_1.txt "$work/"
mkdir -p docs/img
xvfb-run -a -s "-screen 0 1280x1024x24" \
  build/ombrel-screenshots "$work/ghilani16_1.txt" docs/img
ls -l docs/img/*.png
