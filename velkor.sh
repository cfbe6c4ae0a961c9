#!/usr/bin/env bash
# Set-up, build, start and test Velkor书签 on Debian 12 (run as root).
#   ./velkor.sh run    build and start the bar (a virtual display when there is none)
#   ./velkor.sh test   build both builds and run every test
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
ROOT=$PWD
BUILD=$ROOT/build
JOBS=$(nproc)

PACKAGES=(
  cmake make g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 wine fonts-wine xvfb xauth xdotool imagemagick fonts-wqy-microhei locales fp-utils
  chromium nodejs
)

say() { printf '\033[1m== %s\033[0m\n' "$*"; }

ensure_packages() {
  local missing=()
  for package in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  if ((${#missing[@]})); then
    say "Installing ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # Chinese menus under Wine need a Chinese locale.
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
  fi
}

build_native() {
  say "Native build"
  cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug -DVELKOR_WERROR=ON \
    -DVELKOR_SANITIZE=ON >/dev/null
  cmake --build "$BUILD/native" -j "$JOBS"
}

build_windows() {
  say "Windows build"
  cmake -S "$ROOT" -B "$BUILD/windows" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVELKOR_WERROR=ON \
    -DVELKOR_HOST_DATA_TOOL="$BUILD/native/tools/velkor-data" >/dev/null
  cmake --build "$BUILD/windows" -j "$JOBS"
}

# --- Wine -----------------------------------------------------------------------------------
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

# A prefix set up for the bar: no window manager delay, a CJK font for 宋体, and an
# association for .htm so the shell hands pages to the browser.
prepare_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/.velkor-ready" ]; then
    say "Preparing the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v '宋体' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v 'MS Sans Serif' /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    for extension in .htm .html; do
      wine reg add "HKCR\\$extension" /ve /d htmlfile /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.velkor-ready"
  fi
  # One persistent wine server, started with no inherited descriptors, so no test
  # run waits on wine's background processes holding its pipes.
  (
    exec 0</dev/null 1>/dev/null 2>&1
    for fd in /proc/self/fd/*; do
      fd=${fd##*/}
      ((fd > 2)) && eval "exec $fd>&-" 2>/dev/null || true
    done
    wineserver -p15
    wine cmd /c exit
  )
}

XVFB_PID=
start_virtual_display() {
  local number
  for number in $(seq 93 120); do
    [ -e "/tmp/.X$number-lock" ] || break
  done
  Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

stop_all() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
}

# --- Commands -------------------------------------------------------------------------------
run() {
  ensure_packages
  build_native
  build_windows
  trap stop_all EXIT
  local dist=$BUILD/windows/dist
  if [ -z "${DISPLAY:-}" ]; then
    start_virtual_display
    say "No display: the bar runs on the virtual display $DISPLAY"
  fi
  prepare_prefix "$BUILD/wine-run"
  say "Starting the bar in $dist"
  (cd "$dist" && exec wine velkor.exe) &
  local bar=$!
  if [ -n "$XVFB_PID" ]; then
    local shot=$BUILD/screenshots/bar.png
    mkdir -p "$(dirname "$shot")"
    if "$ROOT/tests/smoke/wait_for_bar.sh"; then
      import -window root -crop 320x60+400+0 "$shot"
      say "Screenshot of the running bar: $shot"
    fi
    say "The bar runs until it is closed (or Ctrl+C)"
  fi
  wait "$bar"
}

test_all() {
  ensure_packages
  local failed=0
  build_native
  say "Native tests"
  ctest --test-dir "$BUILD/native" --output-on-failure --no-tests=error || failed=1
  build_windows
  trap stop_all EXIT
  start_virtual_display
  rm -f "$BUILD/wine-test/.velkor-ready"
  prepare_prefix "$BUILD/wine-test"
  say "Windows tests under Wine (display $DISPLAY)"
  ctest --test-dir "$BUILD/windows" --output-on-failure --no-tests=error || failed=1
  if ((failed)); then
    say "Some tests FAILED"
    return 1
  fi
  say "All tests passed"
}

case "${1:-}" in
  run) run ;;
  test) test_all ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
