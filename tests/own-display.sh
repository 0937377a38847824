#!/bin/sh
# Runs a command on an X server of its own, so that no other test's window can
# lie over its window or take its clicks. The server picks the first free
# display number itself and says which, so tests that start at the same moment
# never race for one (as they can when each searches for a free number and then
# starts a server on it).
#
#   sh tests/own-display.sh COMMAND [ARGUMENTS...]
set -eu
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrune-display-XXXXXX")
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/number"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/number" >"$work/server.log" 2>&1 &
server=$!
read -r number <"$work/number" || true
if [ -z "${number:-}" ]; then
  echo "own-display: Xvfb did not start:" >&2
  cat "$work/server.log" >&2
  exit 1
fi
status=0
DISPLAY=":$number" "$@" || status=$?
exit "$status"
