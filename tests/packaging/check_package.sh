#!/bin/sh
# Builds the Debian package of the build tree given in a scratch folder
# inside it and checks that it holds the two programs, a valid menu entry,
# the icon and the examples.
set -eu
build=$1
out="$build/package-test"
rm -rf "$out"
mkdir -p "$out"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
deb=$(ls "$out"/*.deb)
dpkg-deb -c "$deb" | awk '{ print $NF }' >"$out/contents.txt"
status=0
for path in ./usr/bin/ombrel ./usr/bin/ombrel-cli ./usr/bin/ombrel-cli-graficos ./usr/share/applications/ombrel.desktop \
  ./usr/share/icons/hicolor/scalable/apps/ombrel.svg \
  ./usr/share/doc/ombrel/examples/ghilani16_1.txt; do
  if ! grep -qx "$path" "$out/contents.txt"; then
    echo "Falta en el paquete: $path"
    status=1
  fi
done
dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/ombrel.desktop" || status=1
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "El paquete no depende de Qt 6 Widgets"; status=1 ;;
esac
rm -rf "$out"
[ "$status" -eq 0 ] && echo "Paquete correcto: $(basename "$deb")"
exit "$status"
