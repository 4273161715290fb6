#!/usr/bin/env bash
# Draws the desktop windows under a virtual X display (Xvfb) with the bundled
# example network active and saves them into docs/img/: the main window, the
# options dialog, the project editor, the review dialog, the editor showing
# the adjustment listing, the viewer of large listings, a prompt taller than
# the screen, and the graphics window with the absolute ellipses
# of a free validation network and with a relative ellipse and rosettes of
# one adjusted with the hyperellipsoid figures.
# OMBREL_SCREENSHOT_BUILD=DIR uses an already configured build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/dependencies.sh
# Xvfb and xauth are needed by this script only.
OMBREL_PACKAGES="$OMBREL_PACKAGES xvfb xauth" ombrel_install_dependencies

build=${OMBREL_SCREENSHOT_BUILD:-build}
if [ -z "${OMBREL_SCREENSHOT_BUILD:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBREL_TESTS=OFF
fi
cmake --build "$build" --target ombrel-screenshots

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp examples/ghilani16_1.txt "$work/"
cp tests/data/validation/hoepke_free/project.txt "$work/libre.txt"
cp tests/data/validation/syn_quad_2fix/project.txt "$work/figuras.txt"
mkdir -p docs/img
xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/ombrel-screenshots" "$work/ghilani16_1.txt" docs/img "$work/libre.txt" "$work/figuras.txt"
ls -l docs/img/*.png
