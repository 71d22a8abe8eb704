#!/usr/bin/env bash
# Starts the real program under a virtual X display, with no network and
# with command-line arguments it must ignore, waits for the main window,
# closes it with Esc and checks that the process ends with exit code 0.
set -u
program=$1
work=$(mktemp -d)
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null
  [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number of our own.
for n in $(seq 90 140); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
x_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display
unset QT_QPA_PLATFORM

cp "$program" "$work/zanvelo"   # its own folder: the store lives beside the program
( cd "$work" && exec "$work/zanvelo" --unused-argument extra ) >"$work/out.log" 2>&1 &
app_pid=$!

# The showcase comes first; Esc closes it and start-up goes on.
showcase=$(timeout 60 xdotool search --sync --name '^Zanvelov3\.2$' 2>/dev/null | head -n 1)
if [ -z "$showcase" ]; then
  echo "no showcase window titled 'Zanvelov3.2' appeared"; cat "$work/out.log"
  echo "startup_under_x: 0 passed, 1 failed"; exit 1
fi
if xdotool search --name '^Zanvelo v3\.2$' >/dev/null 2>&1; then
  echo "the main window showed before the showcase was closed"
  echo "startup_under_x: 0 passed, 1 failed"; exit 1
fi
for _ in $(seq 50); do
  timeout 5 xdotool windowfocus --sync "$showcase" 2>/dev/null
  xdotool key Escape 2>/dev/null
  sleep 0.2
  xdotool search --name '^Zanvelo v3\.2$' >/dev/null 2>&1 && break
done
window=$(timeout 60 xdotool search --sync --name '^Zanvelo v3\.2$' 2>/dev/null | head -n 1)
if [ -z "$window" ]; then
  echo "no window titled 'Zanvelo v3.2' appeared"; cat "$work/out.log"
  echo "startup_under_x: 0 passed, 1 failed"; exit 1
fi
sleep 0.5
if ! kill -0 "$app_pid" 2>/dev/null; then
  echo "the program ended by itself"; cat "$work/out.log"
  echo "startup_under_x: 0 passed, 1 failed"; exit 1
fi
# Start-up is over once the window takes input: press Esc until it goes.
status=
for _ in $(seq 100); do
  timeout 5 xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key Escape 2>/dev/null
  sleep 0.2
  if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid"; status=$?; app_pid=; break
  fi
done
if [ "$status" != 0 ]; then
  echo "the program did not end with exit code 0 (status '${status}')"; cat "$work/out.log"
  echo "startup_under_x: 0 passed, 1 failed"; exit 1
fi
echo "startup_under_x: 1 passed, 0 failed"
