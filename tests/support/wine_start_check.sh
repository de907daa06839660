#!/usr/bin/env bash
# A 64-bit Wine start runs even when the kernel has put the loader's heap over
# the page at 0x7ffe0000 where Wine maps its shared user data. Kernels since 6.9
# may do so at random, about once in 7,900 starts; Wine's preloader reserves that
# range before anything else is mapped, and without it such a start exits 1 at
# once. A library preloaded into the loader grows the heap over the page, with
# address randomisation off so the heap starts where the loader ends: with the
# preloader the growth is refused and the program returns its own exit code.
# Where a private mount namespace is allowed, the preloader is hidden in one
# and the same start must fail with Wine's error naming why: proof that the
# growth reaches the page and that the desktop's settings show that error.
# Usage: wine_start_check.sh DESKTOP_DIR WORK_DIR
set -euo pipefail
desk=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tools/wine-loader.sh
. "$here/../../tools/wine-loader.sh"
# shellcheck source=/dev/null
. "$desk/env"
EXIT_CODE=7
GREW='heap-over-shared-page: the heap covers the page'
REFUSED='heap-over-shared-page: growth refused'
WINE_SAYS_WHY='failed to map the shared user data'
PRELOADER=$WINE64_LOADER-preloader

mkdir -p "$work"
cc -shared -fPIC -O2 -o "$work/grower.so" "$here/heap_over_shared_page.c"
start=(setarch "$(uname -m)" -R env "LD_PRELOAD=$work/grower.so" "WINELOADER=$WINE64_LOADER"
  "$WINE64_LOADER" cmd /c exit "$EXIT_CODE")

# Runs the start (after the given prefix of commands) with its output in a file,
# never a pipe that Wine's helpers could hold open; sets `status` and `output`.
run() {
  status=0
  "$@" "${start[@]}" </dev/null >"$work/output.txt" 2>&1 || status=$?
  output=$(tr -d '\r' <"$work/output.txt")
}

failed() {
  printf '%s\nexit status %s, output:\n%s\n' "$1" "$status" "$output" >&2
  exit 1
}

run
grep -qF "$REFUSED" <<<"$output" ||
  failed "the heap could be grown over 0x7ffe0000: is $PRELOADER installed (tools/setup)?"
[ "$status" -eq "$EXIT_CODE" ] || failed "the program did not return its own exit code $EXIT_CODE"
echo "with the preloader: growth refused, exit code $EXIT_CODE"

if ! unshare -m true 2>/dev/null; then
  echo "control not run: no private mount namespace here (needs root)"
  exit 0
fi
# shellcheck disable=SC2016 # expanded by the inner shell
run unshare -m sh -c 'mount --bind /dev/null "$0" && exec "$@"' "$PRELOADER"
grep -qF "$GREW" <<<"$output" || failed "control: the heap was not grown over 0x7ffe0000"
[ "$status" -ne "$EXIT_CODE" ] || failed "control: Wine ran without its preloader over a grown heap"
grep -qF "$WINE_SAYS_WHY" <<<"$output" || failed "control: Wine did not say why the start failed"
echo "with the preloader hidden: exit status $status, and Wine says \"$WINE_SAYS_WHY\""
