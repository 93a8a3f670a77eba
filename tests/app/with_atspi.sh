#!/bin/sh
# Runs a program on a desktop of its own where accessibility is on from the start, as when a
# screen reader runs: an X server, a session bus and the AT-SPI bus, whose launcher puts the
# bus address on the display for the program to find while it starts.
# Usage: with_atspi.sh PROGRAM [ARGUMENTS...]
# ZOVREK_TEST_DISPLAY=n uses display :n instead of one the X server picks.
set -eu

launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v Xvfb >/dev/null || ! command -v dbus-run-session >/dev/null ||
   ! command -v dbus-send >/dev/null || ! [ -x "$launcher" ]; then
  echo "with_atspi.sh: needs Xvfb, dbus-run-session, dbus-send and at-spi2-core" \
       "(scripts/deps.sh installs them)" >&2
  exit 1
fi

if [ -z "${ZOVREK_IN_TEST_SESSION:-}" ]; then
  ZOVREK_IN_TEST_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

work=$(mktemp -d)
xvfb=
bus=
cleanup() {
  [ -n "$bus" ] && kill "$bus" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

if [ -n "${ZOVREK_TEST_DISPLAY:-}" ]; then
  if [ -e "/tmp/.X11-unix/X$ZOVREK_TEST_DISPLAY" ]; then
    echo "with_atspi.sh: display :$ZOVREK_TEST_DISPLAY is in use" >&2
    exit 1
  fi
  Xvfb ":$ZOVREK_TEST_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  echo "$ZOVREK_TEST_DISPLAY" >"$work/display"
else
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
fi
tries=0
until [ -s "$work/display" ] && [ -S "/tmp/.X11-unix/X$(cat "$work/display")" ]; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then cat "$work/xvfb.log" >&2; exit 1; fi
  sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work"

"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus=$!
tries=0
until dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then cat "$work/bus.log" >&2; exit 1; fi
  sleep 0.1
done

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
