# Shared by run.sh and test.sh: installs the Debian packages Ombrel needs to
# build and test. Sourced, not run. As root it installs what is missing; as
# any other user it prints the exact apt-get line and stops.
OMBREL_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev \
libbenchmark-dev libeigen3-dev nlohmann-json3-dev qt6-base-dev fonts-dejavu-core"

ombrel_install_dependencies() {
  local missing=""
  for pkg in $OMBREL_PACKAGES; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
      || missing="$missing $pkg"
  done
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Faltan paquetes. Ejecute como administrador:"
    echo "  apt-get update && apt-get install -y --no-install-recommends$missing"
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q && apt-get install -y -q --no-install-recommends $missing
}
