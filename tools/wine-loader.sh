# shellcheck shell=bash
# Sourced by the scripts in tools/: which Wine loader runs which build, and
# whether this machine can run 32-bit x86 programs at all. Some kernels refuse
# every 32-bit program although the i386 packages install; Debian's `wine`
# wrapper then still picks the 32-bit loader, so nothing here goes through it.
#   SORVANE_NO_32BIT=1       count this machine as unable, to exercise the fallback
#   SORVANE_REQUIRE_32BIT=1  make an unable machine a failure (tools/test)

WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# Succeeds when 32-bit programs run here. Otherwise prints why and fails. The
# answer comes from starting Wine's 32-bit loader, never from names or versions.
can_run_32bit() {
  if [ "${SORVANE_NO_32BIT:-0}" = 1 ]; then
    echo "SORVANE_NO_32BIT=1 is set"
    return 1
  fi
  if [ ! -e "$WINE32_LOADER" ]; then
    echo "$WINE32_LOADER is not installed"
    return 1
  fi
  local out
  if ! out=$("$WINE32_LOADER" --version 2>&1); then
    echo "$WINE32_LOADER: ${out##*: }"
    return 1
  fi
}

# The build a script runs when it may choose: win32 where it can run, else win64,
# saying why on stderr.
runnable_preset() {
  local reason
  if reason=$(can_run_32bit); then
    echo win32
  else
    echo "This machine cannot run 32-bit programs ($reason): using the win64 build" >&2
    echo win64
  fi
}

# The loader that runs programs of a win32 or win64 build.
wine_loader_for() {
  case $1 in
    win32) echo "$WINE32_LOADER" ;;
    win64) echo "$WINE64_LOADER" ;;
    *) echo "unknown Windows build '$1' (win32 or win64)" >&2; return 2 ;;
  esac
}
