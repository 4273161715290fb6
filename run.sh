#!/usr/bin/env bash
# Installs what is missing, builds Ombrel (Release, in build/) and, when a
# display is present, opens the desktop application. Without a display it
# runs the terminal's main job: a constrained adjustment of the bundled
# example network with a bundled answers file (full output), then shows the
# listing's summary.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/dependencies.sh
ombrel_install_dependencies

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DOMBREL_TESTS=OFF
cmake --build build

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/ombrel
fi

listing=build/salida.tmp
rm -f "$listing"
echo "== Compensación de examples/ghilani16_1.txt (red ligada, salida completa)"
(cd build && ./ombrel-cli compensar --proyecto ../examples/ghilani16_1.txt --metodo inversa \
  --respuestas ../examples/ghilani16_1.respuestas)
echo "== Listado: $listing"
# The listing is Windows-1252 with CR LF; show its summary section.
iconv -f WINDOWS-1252 -t UTF-8 "$listing" | tr -d '\r' \
  | awk '/RESUMEN DE RESULTADOS/ { show = 1; print prev } show { print } { prev = $0 }'
