#!/bin/sh
# Runs a command on a private virtual X server (Xvfb) of 640 x 800 pixels.
# The server chooses a free display number itself (-displayfd), so suites
# started side by side never race for one, as xvfb-run -a can. -noreset:
# the server does not reset when its last client leaves, so a test that
# opens a second window right after closing one never meets a server that
# refuses connections while it resets.
set -eu
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 640x800x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/log" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$dir"' EXIT
tries=0
until [ -s "$dir/display" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 200 ] || ! kill -0 $server 2>/dev/null; then
    echo "run_on_xvfb: Xvfb did not start:" >&2
    cat "$dir/log" >&2
    exit 1
  fi
  sleep 0.1
done
DISPLAY=:$(head -n 1 "$dir/display") "$@"
