# Shared by ./play and ./test: install what is missing, configure once, build.
# Sourced, not run; expects to be in the repository root.

BUILD_DIR=${BUILD_DIR:-build}
# Extra configure options of a special build (the sanitizer run sets them).
CMAKE_EXTRA_ARGS=()

# Debian packages the game, its tests and its tools need.
REQUIRED_PACKAGES=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-image-dev libepoxy-dev fonts-liberation2
  libtinyxml2-dev libassimp-dev libopenal-dev libsndfile1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing_packages() {
  local pkg
  for pkg in "${REQUIRED_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

ensure_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing:" $missing
  as_root apt-get update -qq
  # shellcheck disable=SC2086
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing >/dev/null
}

# Configures once, then builds, showing one line per compiled or linked
# target so that a first build of several minutes is not silent. Compiler
# errors and warnings come through on standard error as they are.
build_all() {
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    echo "Configuring the build in $BUILD_DIR/ (the first build takes a few minutes)"
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release "${CMAKE_EXTRA_ARGS[@]}" >/dev/null
  fi
  cmake --build "$BUILD_DIR" -j2 -- --no-print-directory |
    { grep --line-buffered -E '^\[ *[0-9]+%\] (Building|Linking)' || true; }
}
