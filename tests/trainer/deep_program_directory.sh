#!/bin/sh
# ProgramDirectory's doubling read gives the whole path of a program lying deeper
# than 260 characters. Run from here rather than from a test program: Wine's
# CreateProcess refuses an executable path longer than MAX_PATH (as Windows does
# without long paths), while Wine's own loader starts it and GetModuleFileNameA
# then reports the whole path.
# Usage: deep_program_directory.sh WINE_RUN DESKTOP_DIR LAUNCH_PROBE_EXE WORK_DIR
set -eu
wine_run=$1
bench=$2
probe=$3
work=$4
component_length=60
components="a b c d e"
min_windows_length=261

rm -rf "$work"
deep=$work
for letter in $components; do
  deep=$deep/$(printf "%${component_length}s" "" | tr ' ' "$letter")
done
mkdir -p "$deep"
cp "$probe" "$deep/launch_probe.exe"

# Wine maps the Unix root to drive Z:.
expected="Z:$(printf '%s/' "$deep" | tr '/' '\\')"
if [ "${#expected}" -lt "$min_windows_length" ]; then
  echo "folder is only ${#expected} characters long" >&2
  exit 1
fi

rm -f probe-output.txt
"$wine_run" "$bench" "$deep/launch_probe.exe" 'probe-output.txt' 0 </dev/null || true
# The probe writes its output into Wine's current directory: this one.
actual=$(sed -n 's/^directory=//p' probe-output.txt | tr -d '\r')
rm -f probe-output.txt
rm -rf "$work"
if [ "$actual" != "$expected" ]; then
  echo "expected: $expected" >&2
  echo "actual:   $actual" >&2
  exit 1
fi
echo "whole path of ${#expected} characters read"
