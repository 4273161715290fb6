#!/usr/bin/env bash
# Installs what is missing, builds Ombrel with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-test/), runs every test, then builds
# the fuzz targets with clang (in build-fuzz/) and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/dependencies.sh
# python3-ezdxf, an independent DXF reader, opens the exported drawings in
# the tests.
OMBREL_PACKAGES="$OMBREL_PACKAGES python3-ezdxf" ombrel_install_dependencies

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMBREL_SANITIZE=ON
cmake --build build-test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The desktop tests draw on Qt's offscreen platform, without a display.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j "$(nproc)"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DOMBREL_FUZZ=ON -DOMBREL_TESTS=OFF -DOMBREL_BENCH=OFF -DOMBREL_GUI=OFF
cmake --build build-fuzz
# Every target runs even when one fails; the failures are listed at the end.
# A failing input is kept in build-fuzz/artifacts/ (ignored by git), and the
# copy of a corpus is removed even when a target aborts.
failed=()
work=""
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/artifacts
for fuzzer in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$fuzzer" _fuzz)
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/"
  options=(-max_total_time=20 -timeout=5 -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix="build-fuzz/artifacts/$name-")
  # A target's dictionary holds the words its input format understands.
  if [ -f "fuzz/$name.dict" ]; then options+=("-dict=fuzz/$name.dict"); fi
  echo "== $name: 20 s de fuzzing"
  "$fuzzer" "${options[@]}" "$work" || failed+=("$name")
  rm -rf "$work"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fallan los objetivos de fuzzing: ${failed[*]} (entradas en build-fuzz/artifacts/)"
  exit 1
fi
echo "Todas las pruebas han pasado."
