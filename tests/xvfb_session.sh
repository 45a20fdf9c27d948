# shellcheck shell=bash
# Shared by the tests that run the real program on an X display of their
# own: a private Xvfb, the program under it, bounded waits, and cleanup
# whatever happens. Sourced, not run; the caller sets `set -euo pipefail`.
#
# A run keeps its files (screenshots, the program's output) in $WORK, a
# folder under the working directory; it is removed when the test passes
# and named in the output when it fails.

XVFB_PID=
PROGRAM_PID=
SESSION_BUS_PID=
ACCESSIBILITY_BUS_PID=
HELPER_PIDS=()
PROGRAM_STATUS=
PROGRAM_ARGS=()
WORK=

say() { echo "[$(date +%T)] $*" >&2; }

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

session_begin() {
    WORK=$(mktemp -d "$PWD/$1.XXXXXX")
    trap session_end EXIT
    trap 'exit 130' INT TERM
}

# Ends whatever is still running, by the PIDs this session started.
session_end() {
    local status=$?
    if ((status != 0)) && [[ -n $XVFB_PID ]]; then
        if kill -0 "$XVFB_PID" 2>/dev/null; then
            screenshot at-failure 2>/dev/null || true
        else
            echo "Xvfb $XVFB_PID on $DISPLAY had ended: $(cat "$WORK/xvfb.log")" >&2
        fi
    fi
    local helper
    for helper in "${HELPER_PIDS[@]}"; do stop_process "$helper"; done
    stop_process "$PROGRAM_PID"
    stop_process_tree "$ACCESSIBILITY_BUS_PID"
    stop_process_tree "$SESSION_BUS_PID"
    stop_process "$XVFB_PID"
    if ((status == 0)); then
        rm -rf "$WORK"
    else
        echo "Screenshots and the program's output are kept in $WORK" >&2
    fi
    exit "$status"
}

stop_process() {
    local pid=$1
    [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null || true
    if ! await 5 "process $pid to end" process_gone "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }

# The processes PID started and those they started in turn, by their PIDs.
descendants() {
    local child
    for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
        echo "$child"
        descendants "$child"
    done
}

# Stops PID and every process under it. The children are listed first: once
# their parent has gone they are no longer known as its children.
stop_process_tree() {
    local pid=$1 child
    [[ -n $pid ]] || return 0
    local -a children
    mapfile -t children < <(descendants "$pid")
    stop_process "$pid"
    for child in "${children[@]}"; do stop_process "$child"; done
}

# await SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until
# it succeeds; fails (status 1, with a message) once SECONDS have passed.
await() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        if ((SECONDS >= deadline)); then
            echo "gave up after ${seconds}s waiting for $what" >&2
            return 1
        fi
        sleep 0.1
    done
}

# The display answers and its lock file names our server: should another
# test have taken the same number a moment earlier, ours has died instead.
display_ours() {
    local number=$1
    kill -0 "$XVFB_PID" 2>/dev/null || return 2
    xdpyinfo -display ":$number" >/dev/null 2>&1 || return 1
    [[ $(tr -d ' \n' <"/tmp/.X$number-lock" 2>/dev/null) == "$XVFB_PID" ]]
}

await_display() {
    local number=$1 deadline=$((SECONDS + 15)) answer
    while ((SECONDS < deadline)); do
        answer=0
        display_ours "$number" || answer=$?
        ((answer == 0)) && return 0
        ((answer == 2)) && return 1
        sleep 0.1
    done
    return 1
}

# start_xvfb [SCREEN]: starts Xvfb on a free display, its screen
# 1280x1024x24 unless given, and points DISPLAY at it. The fixed DPI
# keeps Qt from scaling the board: a pixel of the screenshot is a pixel of
# the board. Without -noreset the server starts afresh whenever its last
# client leaves, as the probe for readiness does, and refuses whoever
# connects meanwhile: on a busy machine, the program.
start_xvfb() {
    local screen=${1:-1280x1024x24}
    local number first=$((100 + $$ % 400))
    for ((number = first; number < first + 200; number++)); do
        [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
        Xvfb ":$number" -screen 0 "$screen" -nolisten tcp -noreset -dpi 96 >"$WORK/xvfb.log" 2>&1 &
        XVFB_PID=$!
        if await_display "$number"; then
            export DISPLAY=":$number"
            say "Xvfb $XVFB_PID on $DISPLAY"
            return 0
        fi
        stop_process "$XVFB_PID"
        XVFB_PID=
    done
    fail "found no free display to start Xvfb on: $(cat "$WORK/xvfb.log" 2>/dev/null)"
}

accessibility_bus_up() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}

# A private D-Bus session and the accessibility bus on it, as a desktop
# starts them for a screen reader; the session's address is exported. Needs
# DISPLAY: the launcher names its bus on the X root window too.
start_accessibility_bus() {
    mkdir -p "$WORK/runtime"
    chmod 700 "$WORK/runtime"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    dbus-daemon --session --nofork --print-address=3 3>"$WORK/session-bus" >"$WORK/dbus.log" 2>&1 &
    SESSION_BUS_PID=$!
    await 10 "the session bus" test -s "$WORK/session-bus" || fail "no session bus: $(cat "$WORK/dbus.log")"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/session-bus")
    export DBUS_SESSION_BUS_ADDRESS
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/at-spi.log" 2>&1 &
    ACCESSIBILITY_BUS_PID=$!
    await 10 "the accessibility bus" accessibility_bus_up ||
        fail "no accessibility bus: $(cat "$WORK/at-spi.log")"
    say "session bus $SESSION_BUS_PID, accessibility bus launcher $ACCESSIBILITY_BUS_PID"
}

# start_program PROGRAM FOLDER [NAME=VALUE...]: runs PROGRAM from FOLDER on
# our display, with the variables given and the arguments in PROGRAM_ARGS,
# and with stdout and stderr in $WORK/program.out and program.err. Its
# settings and saved games are kept under $WORK.
start_program() {
    local program folder=$2
    local -a variables=("${@:3}")
    program=$(readlink -f "$1")
    mkdir -p "$WORK/runtime"
    chmod 700 "$WORK/runtime"
    # Under LeakSanitizer: D-Bus, which Qt's X11 platform opens, keeps a
    # buffer to the end. That leak is the system's, not the program's.
    echo "leak:libdbus-1.so" >"$WORK/system-leaks.supp"
    (
        cd "$folder" || exit 1
        # Whatever the caller's environment says, this program talks to X.
        export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/config" \
            XDG_DATA_HOME="$WORK/data"
        export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$WORK/system-leaks.supp"
        unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_QPA_PLATFORMTHEME
        ((${#variables[@]} == 0)) || export "${variables[@]}"
        exec "$program" "${PROGRAM_ARGS[@]}"
    ) >"$WORK/program.out" 2>"$WORK/program.err" &
    PROGRAM_PID=$!
    say "program $PROGRAM_PID started in $folder"
}

# await_program_exit SECONDS: sets PROGRAM_STATUS.
await_program_exit() {
    await "$1" "the program to end" process_gone "$PROGRAM_PID" || fail "the program did not end"
    PROGRAM_STATUS=0
    wait "$PROGRAM_PID" || PROGRAM_STATUS=$?
    PROGRAM_PID=
    say "the program ended with status $PROGRAM_STATUS"
}

# Fails at once, rather than at the end of a wait, once the program is gone.
program_alive() {
    if [[ -z $PROGRAM_PID ]] || ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
        fail "the program has ended early: $(cat "$WORK/program.err")"
    fi
}

window_up() {
    program_alive
    xdotool search --onlyvisible --name "^$1\$" >"$WORK/window-ids" 2>/dev/null
}

# await_window TITLE: prints the id of the one visible window whose caption
# is exactly TITLE.
await_window() {
    local title=$1
    await 20 "window \"$title\"" window_up "$title" || fail "no window \"$title\" came up"
    [[ $(wc -l <"$WORK/window-ids") -eq 1 ]] ||
        fail "more than one window \"$title\": $(cat "$WORK/window-ids")"
    cat "$WORK/window-ids"
}

is_unmapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsUnMapped'; }

# window_geometry ID: prints "X Y WIDTH HEIGHT" of the window on screen.
window_geometry() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '{v[$1] = $2} END {print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}'
}

screenshot() { import -window root "$WORK/$1.png"; }
