#!/usr/bin/env bash
# A 64-bit Wine start runs although its heap covers the page at 0x7ffe0000 that
# Wine must map, as kernels since 6.9 may place it about once in 7,900 starts:
# Wine's preloader reserves that range first. A preloaded library grows the heap
# there, with address randomisation off; the program must return its own exit
# code. As a control, where a private mount namespace is allowed, the same start
# with the preloader hidden must fail, Wine saying why under the desktop's settings.
# Usage: wine_start_check.sh DESKTOP_DIR WORK_DIR
set -euo pipefail
desk=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine-loader.sh
. "$here/../../tools/wine-loader.sh"
# shellcheck source=/dev/null
. "$desk/env"
EXIT_CODE=7
PRELOADER=$WINE64_LOADER-preloader
mkdir -p "$work"
cc -shared -fPIC -O2 -o "$work/grower.so" "$here/heap_over_shared_page.c"

# Runs the start after the given command words into `output`, through a file:
# Wine's helpers may hold a pipe open.
start() {
  local status=0
  "$@" setarch "$(uname -m)" -R env "LD_PRELOAD=$work/grower.so" "WINELOADER=$WINE64_LOADER" \
    "$WINE64_LOADER" cmd /c exit "$EXIT_CODE" </dev/null >"$work/output.txt" 2>&1 || status=$?
  output="exit status $status; $(tr -d '\r' <"$work/output.txt")"
}

# Fails, naming the start, unless its output holds every pattern.
expect() {
  local what=$1 pattern
  shift
  for pattern in "$@"; do
    grep -qF -- "$pattern" <<<"$output" || {
      printf '%s: no "%s" in:\n%s\n' "$what" "$pattern" "$output" >&2
      exit 1
    }
  done
  echo "$what: ${output//$'\n'/ | }"
}

start
expect "with $PRELOADER (from tools/setup)" "exit status $EXIT_CODE;" "heap-over-shared-page: refused"
if unshare -m true 2>/dev/null; then
  # shellcheck disable=SC2016 # expanded by the inner shell
  start unshare -m sh -c 'mount --bind /dev/null "$0" && exec "$@"' "$PRELOADER"
  expect "with the preloader hidden" "exit status 1;" "heap-over-shared-page: covers the page" \
    "failed to map the shared user data"
else
  echo "control not run: no private mount namespace here"
fi
