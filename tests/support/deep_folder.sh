# shellcheck shell=sh
# Sourced by the scripts that place a program in a folder deeper than 260
# characters, where Wine's CreateProcess refuses to start it and only Wine's own
# loader can.

deep_component_length=60
deeper_than_max_path=261

# The Windows form of a Unix path: Wine maps the Unix root to drive Z:.
windows_path() { printf 'Z:%s' "$1" | tr '/' '\134'; }

# Makes WORK anew with one component of letters below the other for each letter
# given, and prints the deepest folder.
make_deep_folder() {
  deep=$1
  rm -rf "$deep"
  shift
  for letter in "$@"; do
    deep=$deep/$(printf "%${deep_component_length}s" "" | tr ' ' "$letter")
  done
  mkdir -p "$deep"
  printf '%s' "$deep"
}

# Ends the script when the Windows form of a path is not deeper than MAX_PATH.
require_deeper_than_max_path() {
  length=$(windows_path "$1" | wc -c)
  if [ "$length" -lt "$deeper_than_max_path" ]; then
    echo "$1 is only $length characters long" >&2
    exit 1
  fi
}
