#!/bin/sh
# Sorvane installed in a folder whose full path is longer than 260 characters,
# beside a stand-in KochMorseTrainer.exe, with a decoy "Sor.exe" where an
# unquoted launch would look first. Wine's CreateProcess refuses a program path
# that long, so Sorvane is started by Wine's own loader from here; the driver
# then presses Run and checks that the right trainer or nothing started, and
# this script checks that Sorvane ended with exit code 0.
# Usage: deep_install.sh WINE_RUN DESKTOP_DIR SORVANE_EXE TRAINER_EXE DECOY_EXE DRIVER_EXE WORK_DIR
set -eu
# shellcheck source-path=SCRIPTDIR source=../support/deep_folder.sh
. "$(dirname "$0")/../support/deep_folder.sh"
wine_run=$1 desktop=$2 sorvane=$3 trainer=$4 decoy=$5 driver=$6 work=$7
exit_wait_seconds=20
# The driver's own waits are bounded: 30 s for Sorvane's window, then the checks.
driver_seconds=90

# Waits up to SECONDS for PID to end, ends it if it has not, and sets `ended` to
# its exit status, or to "timeout" when it had to be ended.
end_within() {
  for _ in $(seq "$2"); do
    kill -0 "$1" 2>/dev/null || break
    sleep 1
  done
  ended=0
  if kill "$1" 2>/dev/null; then
    ended=timeout
    wait "$1" 2>/dev/null || true
  else
    wait "$1" || ended=$?
  fi
}

parent=$(make_deep_folder "$work" a b c d)
folder="$parent/Sor vane"
mkdir "$folder"
require_deeper_than_max_path "$folder"
cp "$sorvane" "$folder/Sorvane.exe"
cp "$trainer" "$folder/KochMorseTrainer.exe"
cp "$decoy" "$parent/Sor.exe"

# A trainer that Run starts ends itself within this time.
export STANDIN_TRAINER_LIMIT_MS=60000
"$wine_run" "$desktop" "$folder/Sorvane.exe" </dev/null &
sorvane_pid=$!

"$wine_run" "$desktop" "$driver" "$(windows_path "$folder")" "$(windows_path "$parent")" \
  </dev/null &
driver_pid=$!
# Sorvane ends when the driver closes it, just before the driver itself ends.
end_within "$driver_pid" "$driver_seconds"
driver_status=$ended
end_within "$sorvane_pid" "$exit_wait_seconds"
sorvane_status=$ended
rm -rf "$work"

if [ "$sorvane_status" != 0 ] || [ "$driver_status" != 0 ]; then
  echo "Sorvane ended with $sorvane_status, the driver with $driver_status" >&2
  exit 1
fi
