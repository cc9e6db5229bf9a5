# Sourced by the build scripts: the size cap of the compiler cache that the
# build (CMakeLists.txt) compiles through, and the timings the scripts print.
# The cache's location and keys are set by the build itself, so a build
# started by hand shares it too.

lx_cmake_speedups=()

if command -v ccache >/dev/null; then
  export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/lumaxis-ccache}"
  mkdir -p "$CCACHE_DIR"
  ccache --max-size "${LX_CCACHE_SIZE:-8G}" >/dev/null
fi

# Seconds since the epoch with a fraction, for the timings the scripts print.
lx_now() { date +%s.%N; }
lx_took() { awk -v a="$1" -v b="$(lx_now)" 'BEGIN { printf "%.1f s", b - a }'; }
