#!/bin/sh
# ProgramDirectory's doubling read gives the whole path of a program lying deeper
# than 260 characters. Run from here: Wine's CreateProcess refuses such a path
# (as Windows does without long paths), while Wine's own loader starts it.
# Usage: deep_program_directory.sh WINE_RUN DESKTOP_DIR LAUNCH_PROBE_EXE WORK_DIR
set -eu
# shellcheck source-path=SCRIPTDIR source=../support/deep_folder.sh
. "$(dirname "$0")/../support/deep_folder.sh"
wine_run=$1 desktop=$2 probe=$3 work=$4

deep=$(make_deep_folder "$work" a b c d e)
require_deeper_than_max_path "$deep"
cp "$probe" "$deep/launch_probe.exe"
expected=$(windows_path "$deep/")

rm -f probe-output.txt
"$wine_run" "$desktop" "$deep/launch_probe.exe" 'probe-output.txt' 0 </dev/null || true
# The probe writes into Wine's current directory, this one; line 1 is the directory.
actual=$(head -n 1 probe-output.txt)
rm -rf probe-output.txt "$work"
if [ "$actual" != "$expected" ]; then
  printf 'expected: %s\nactual:   %s\n' "$expected" "$actual" >&2
  exit 1
fi
echo "whole path of ${#expected} characters read"
