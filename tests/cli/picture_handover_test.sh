#!/bin/sh
# The terminal program as installed: a run with --grafico is handed to the
# sibling built with Qt and writes its picture; the listing is written as usual.
# Arguments: the ombrel-cli executable and a project file.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'No\nNo\n=\nNo\nsalida.tmp\ncompleta\nNo\n' > respuestas.txt
"$1" compensar --proyecto "$2" --metodo inversa --respuestas respuestas.txt --grafico red.svg
grep -q '<svg' red.svg
grep -q 'ELIPSES DE VERTICE' salida.tmp
