#!/usr/bin/env bash
# Starts the real velkor.exe from its folder, waits for the bar, saves a
# screenshot, and ends it through its close path (a close request to its
# windows, as the system sends at log-off).
set -u
dist=$1
artefacts=$2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$artefacts"
cd "$dist" || exit 1
wine velkor.exe >"$artefacts/bar-smoke.log" 2>&1 &
bar=$!
if ! "$here/wait_for_bar.sh"; then
  kill "$bar" 2>/dev/null
  exit 1
fi
import -window root -crop 216x17+450+0 "$artefacts/bar.png"
import -window root "$artefacts/bar-screen.png"
wine taskkill /im velkor.exe >/dev/null 2>&1
for _ in $(seq 100); do
  if ! kill -0 "$bar" 2>/dev/null; then
    wait "$bar"
    code=$?
    echo "bar ended with $code; screenshot: $artefacts/bar.png"
    exit "$code"
  fi
  sleep 0.1
done
echo "the bar did not end after its close request" >&2
kill "$bar" 2>/dev/null
exit 1
