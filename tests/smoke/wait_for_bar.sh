#!/usr/bin/env bash
# Waits until the bar's window is on the display; fails after 30 seconds.
for _ in $(seq 300); do
  if xdotool search --onlyvisible --name '^Velkor书签$' >/dev/null 2>&1; then
    sleep 0.5  # let it paint
    exit 0
  fi
  sleep 0.1
done
echo "the bar did not appear" >&2
exit 1
