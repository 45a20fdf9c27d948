#!/usr/bin/env bash
# The real program, copied into a folder with one of its nine pictures
# left out and started from there on an X display of its own: it says on
# standard error which picture it could not load and where it looked, shows
# the same in a dialog titled "VINTREL", and once the dialog is closed ends
# with status 2, not with a crash.
#
# usage: missing_picture_test.sh PROGRAM PICTURE_FOLDER
set -euo pipefail
PROGRAM=$(readlink -f "$1") PICTURES=$(readlink -f "$2")
# shellcheck source=xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

ALL_PICTURES=(imBlank.bmp imVint1red.bmp imVint3blue.bmp imVint1blue.bmp imVint3red.bmp
    imVint1redCom.bmp imVint3blueCom.bmp imVint1blueCom.bmp imVint3redCom.bmp)
# Late in the order of search: the pictures found before it must not hide it.
MISSING=imVint1blueCom.bmp

message_given() {
    grep -qF "vintrel: The picture \"$MISSING\" could not be loaded." "$WORK/program.err"
}

# Every place looked in is named, each once.
check_places_named() {
    local place
    for place in "$1/$MISSING" "$2/$MISSING"; do
        [[ $(grep -cF "$place (not found)" "$WORK/program.err") -eq 1 ]] ||
            fail "the message does not name $place once: $(cat "$WORK/program.err")"
    done
}

main() {
    session_begin missing_picture_test
    start_xvfb
    local folder=$WORK/game/bin picture
    mkdir -p "$folder"
    cp "$PROGRAM" "$folder/vintrel"
    for picture in "${ALL_PICTURES[@]}"; do
        [[ $picture == "$MISSING" ]] || cp "$PICTURES/$picture" "$folder/"
    done
    start_program "$folder/vintrel" "$folder"

    await 20 "the message on standard error" message_given ||
        fail "no message about \"$MISSING\": $(cat "$WORK/program.err")"
    check_places_named "$folder" "$WORK/game/share/vintrel"
    say "standard error said: $(grep -A3 -F "$MISSING" "$WORK/program.err")"

    local dialog
    dialog=$(await_window VINTREL)
    timeout 10 xdotool windowfocus --sync "$dialog" || fail "the dialog takes no keyboard focus"
    xdotool key Return
    await_program_exit 10
    ((PROGRAM_STATUS != 134 && PROGRAM_STATUS != 139)) || fail "the program crashed ($PROGRAM_STATUS)"
    ((PROGRAM_STATUS == 2)) || fail "the program ended with status $PROGRAM_STATUS, not 2"
    say "passed"
}

main
