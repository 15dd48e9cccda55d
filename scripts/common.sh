# Shared steps of the two commands: install what is missing, configure, build.
set -euo pipefail

REPO_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TESS_BUILD_DIR:-$REPO_DIR/build}"
INSTALL_DIR="$BUILD_DIR/tessaron"

install_packages() {
  local wanted missing=()
  mapfile -t wanted < <(grep -v '^#' "$REPO_DIR/scripts/packages.txt" | grep -v '^$')
  for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  if [ ${#missing[@]} -eq 0 ]; then return; fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  # CI builds with warnings as errors; a developer's build keeps whatever its cache says, so
  # switching between the two commands never rebuilds everything.
  local flags=()
  if [ "${CI:-}" = "true" ]; then flags+=(-DTESS_WERROR=ON); fi
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S "$REPO_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}"
  elif [ ${#flags[@]} -gt 0 ]; then
    cmake "$BUILD_DIR" "${flags[@]}" >/dev/null
  fi
  cmake --build "$BUILD_DIR"
}
