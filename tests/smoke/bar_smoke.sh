#!/usr/bin/env bash
# Starts the real velkor.exe from its folder as on a first start, waits for
# the bar and the help file it opens, saves screenshots, and ends it through
# its close path (a close request to its windows, as the system sends at
# log-off); then checks the settings it saved.
set -u
dist=$1
artefacts=$2
here=$(cd "$(dirname "$0")" && pwd)
key='HKEY_USERS\.DEFAULT\SOFTWARE\Videvodadi\Config'
mkdir -p "$artefacts"
cd "$dist" || exit 1
fail() {
  echo "$*" >&2
  wine taskkill /f /im velkor.exe >/dev/null 2>&1
  wine taskkill /f /im hh.exe >/dev/null 2>&1
  exit 1
}

wine reg delete "$key" /f >/dev/null 2>&1
wine velkor.exe >"$artefacts/bar-smoke.log" 2>&1 &
bar=$!
"$here/wait_for_bar.sh" || fail "the bar did not appear"
import -window root -crop 216x17+450+0 "$artefacts/bar.png"
for _ in $(seq 100); do
  xdotool search --onlyvisible --name '帮助' >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --onlyvisible --name '帮助' >/dev/null 2>&1 || fail "the first start opened no help"
import -window root "$artefacts/first-start.png"
wine taskkill /im hh.exe >/dev/null 2>&1

wine taskkill /im velkor.exe >/dev/null 2>&1
for _ in $(seq 100); do
  kill -0 "$bar" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$bar" 2>/dev/null && fail "the bar did not end after its close request"
wait "$bar"
code=$?
[ "$code" = 0 ] || fail "the bar ended with $code"
settings=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in 'Ver +REG_SZ +6.0' 'RandomCount +REG_DWORD +0x2' 'NewWindow +REG_DWORD +0x0'; do
  grep -Eq "$value" <<<"$settings" || fail "the settings key lacks $value: $settings"
done
echo "bar ended with 0 and kept its settings; screenshots in $artefacts"
