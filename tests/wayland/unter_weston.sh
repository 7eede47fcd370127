#!/bin/sh
# Runs a command as a client of a Wayland compositor of its own (weston), on Qt's Wayland platform.
# usage: unter_weston.sh [--mit-sitz] COMMAND [ARGUMENT...]
# Headless by default. --mit-sitz runs weston in a window of the X server on DISPLAY instead, which gives it a
# seat (keyboard, pointer, clipboard), as a desktop's compositor has; start it under xvfb-run.
# The compositor gets a runtime folder and socket of its own, so that it neither meets a desktop's compositor
# nor another test's, and goes with the command. Its log is printed when the command fails.
# Exit status: the command's; 77 (skipped) where weston or Qt's Wayland plugin is missing, unless
# TARNKISTE_WAYLAND_NOETIG is set (continuous integration), which makes that a failure. TARNKISTE_QT_PLUGINS
# names the toolkit's plugin folder (the build passes it).
set -u

fehlt() {
    echo "unter_weston: $1" >&2
    if [ -n "${TARNKISTE_WAYLAND_NOETIG:-}" ]; then exit 1; fi
    echo "unter_weston: skipped (scripts/install-deps test installs weston and qt6-wayland)" >&2
    exit 77
}

sitz=""
if [ "${1:-}" = --mit-sitz ]; then sitz=1; shift; fi
command -v weston >/dev/null 2>&1 || fehlt "weston not found"
[ -z "$sitz" ] || [ -n "${DISPLAY:-}" ] || fehlt "--mit-sitz needs an X server on DISPLAY"
plugins=${TARNKISTE_QT_PLUGINS:-$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null)}
[ -e "$plugins/platforms/libqwayland-generic.so" ] || fehlt "Qt's Wayland platform plugin not found in $plugins/platforms"

ordner=$(mktemp -d "${TMPDIR:-/tmp}/tk-wayland.XXXXXX") || exit 1
chmod 700 "$ordner"
socket=tarnkiste-$$
weston_pid=""
aufraeumen() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$ordner"
}
trap aufraeumen EXIT
trap 'exit 130' INT TERM

# The pixman renderer, so that the compositor composes what the clients show, as a desktop's would.
if [ -n "$sitz" ]; then
    backend="--backend=x11-backend.so --use-pixman"
    eingabe=""
else
    backend="--backend=headless-backend.so --use-pixman"
    # The headless backend has no seat: no keyboard, pointer or clipboard, and no window gets the focus.
    # The toolkit's Wayland text input then reaches for the missing seat as soon as a text box takes the
    # focus and crashes; the compose input method, the toolkit's own on X, needs none.
    eingabe=compose
fi
# shellcheck disable=SC2086
XDG_RUNTIME_DIR=$ordner weston $backend --socket="$socket" --idle-time=0 \
    --width=1280 --height=1024 --no-config >"$ordner/weston.log" 2>&1 &
weston_pid=$!
i=0
while [ ! -S "$ordner/$socket" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null || [ $i -ge 100 ]; then
        cat "$ordner/weston.log" >&2
        weston_pid=""
        fehlt "weston did not start"
    fi
    i=$((i + 1))
    sleep 0.1
done

if [ -n "$eingabe" ]; then export QT_IM_MODULE=$eingabe; fi
XDG_RUNTIME_DIR=$ordner WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
status=$?
[ $status -eq 0 ] || { echo "unter_weston: the command ended with $status; weston's log:" >&2; cat "$ordner/weston.log" >&2; }
exit $status
