#!/usr/bin/env bash
# The real program as a screen reader meets it: on the accessibility bus of
# a private D-Bus session, under an X server of its own, played by real key
# presses. What is checked is in screen_reader_test.py; here the processes
# are started, and stopped by their PIDs whatever happens.
#
# usage: screen_reader_test.sh PROGRAM
set -euo pipefail
PROGRAM=$(readlink -f "$1")
HERE=$(dirname "$(readlink -f "$0")")
# shellcheck source=xvfb_session.sh
source "$HERE/xvfb_session.sh"

main() {
    session_begin screen_reader_test
    start_xvfb
    start_accessibility_bus
    mkdir "$WORK/elsewhere"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    # The reader listens before the program starts, as a screen reader does
    # on a desktop: the program asks at start which events are listened
    # for, and a listener that comes while it asks may go unheard.
    # Debian's own Python, whose pyatspi the project installs.
    /usr/bin/python3 "$HERE/screen_reader_test.py" "$WORK/listening" &
    local reader=$!
    HELPER_PIDS+=("$reader")
    await 20 "the screen reader to listen" test -e "$WORK/listening" || fail "the screen reader did not start"
    start_program "$PROGRAM" "$WORK/elsewhere"
    wait "$reader" || fail "the screen reader's checks failed"
    await_program_exit 10
    ((PROGRAM_STATUS == 0)) || fail "the program ended with status $PROGRAM_STATUS: $(cat "$WORK/program.err")"
    say "passed"
}

main
