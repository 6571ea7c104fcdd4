#!/bin/sh
# Runs a command on a virtual X display of its own. The server picks a free display number
# itself, so tests and other programs starting servers at the same time do not collide.
# Exits 77 (the test is skipped) where no virtual X server is installed.
command -v Xvfb >/dev/null 2>&1 || { echo "Xvfb is not installed: skipped"; exit 77; }
dir=$(mktemp -d) || exit 1
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
server=$!
# The server and the command go with the run, also when a time limit ends it.
trap 'kill $program "$server" 2>/dev/null; rm -rf "$dir"' EXIT
trap 'exit 143' HUP INT TERM
program=
tries=0
until [ -s "$dir/display" ]; do
    tries=$((tries + 1))
    if ! kill -0 "$server" 2>/dev/null || [ "$tries" -gt 400 ]; then
        echo "Xvfb did not start:"; cat "$dir/log"
        exit 1
    fi
    sleep 0.05
done
DISPLAY=":$(cat "$dir/display")" "$@" &
program=$!
wait "$program"
status=$?
program=
exit "$status"
