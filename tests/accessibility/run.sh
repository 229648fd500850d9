#!/bin/sh
# Runs main_window_test.py against the program given as $1 on the current display, on a
# session bus of its own, which starts the accessibility bus when the program asks for it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"  # the program's files, if it makes any, land here
unset NO_AT_BRIDGE
# Debian's own Python, which has pyatspi.
dbus-run-session -- /usr/bin/python3 "$here/main_window_test.py" "$1"
