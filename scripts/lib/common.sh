# Shared settings of the scripts: where things are, and how they talk.
# Sourced, never run.

TAVRIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
TAVRIX_BUILD=${TAVRIX_BUILD:-$TAVRIX_ROOT/build}
TAVRIX_NATIVE_BUILD=${TAVRIX_NATIVE_BUILD:-$TAVRIX_BUILD/native}
TAVRIX_WIN32_BUILD=${TAVRIX_WIN32_BUILD:-$TAVRIX_BUILD/win32}
TAVRIX_PROGRAM=$TAVRIX_WIN32_BUILD/app/tavrxp/TAVRXP.EXE
TAVRIX_JOBS=${TAVRIX_JOBS:-2}
# The cases and helper scripts started from here see the same folders.
export TAVRIX_ROOT TAVRIX_BUILD TAVRIX_NATIVE_BUILD TAVRIX_WIN32_BUILD
# A compiler cache, where one is installed, is shared by every checkout of the
# project on the machine (paths below the checkout are cached relative to it).
if command -v ccache >/dev/null && [[ -z ${CMAKE_CXX_COMPILER_LAUNCHER:-} ]]; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$TAVRIX_ROOT
fi

say() { printf '==> %s\n' "$*" >&2; }
warn() { printf 'warning: %s\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Seconds since the epoch with milliseconds, for step timings.
now_ms() { date +%s%3N; }
