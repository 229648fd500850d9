#!/bin/sh
# Waits up to five seconds for a window whose title holds $1 and prints its window id.
set -eu
for _ in $(seq 50); do
  id=$(xwininfo -root -tree | grep -F -- "$1" | awk '{print $1}' | head -n 1)
  [ -n "$id" ] && echo "$id" && exit 0
  sleep 0.1
done
echo "No window \"$1\" appeared." >&2
exit 1
