# Sourced by the build scripts: the compiler cache and the linker that make
# rebuilds cheap. The cache lives in the user's cache folder and is keyed by
# paths relative to the source tree, so a fresh clone in another folder (as
# CI makes one) finds what an earlier build of the same sources compiled.

lx_cmake_speedups=()

if command -v ccache >/dev/null; then
  export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/lumaxis-ccache}"
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
  # Debug information names the build folder; leaving it out of the key lets
  # clones in other folders share entries (their debug paths then point at
  # the folder that filled the cache, which only a debugger would notice).
  export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
  export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
  mkdir -p "$CCACHE_DIR"
  ccache --max-size "${LX_CCACHE_SIZE:-8G}" >/dev/null
  lx_cmake_speedups+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# Seconds since the epoch with a fraction, for the timings the scripts print.
lx_now() { date +%s.%N; }
lx_took() { awk -v a="$1" -v b="$(lx_now)" 'BEGIN { printf "%.1f s", b - a }'; }
