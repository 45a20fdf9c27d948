#!/usr/bin/env bash
# The real program on a real X display, driven by the real pointer and
# keyboard: the red view opens at its size with the starting position on
# every diamond, two moves dragged with the mouse hand the board from view
# to view, the menus open from their mnemonics, the rules panel appears in
# its place, the computer answers a move as blue in the red view and its
# reply is taken back with the move, and
# "E&xit" ends the program with status 0. Killed mid-game, the program
# resumes the game with --resume in the view it was killed in; given a
# file that is no game, it tells why and starts a new game. Settings of
# junk start the game with the defaults and are written anew, and a kill
# while a game is saved over an earlier one leaves the file whole, old or
# new.
#
# With SCALE 2 or 3 the program runs under that QT_SCALE_FACTOR on a screen
# as many times larger, and every diamond must show its "@2x" or "@3x"
# picture.
#
# usage: real_window_test.sh PROGRAM PICTURE_FOLDER SCREEN_CELLS [SCALE]
set -euo pipefail
PROGRAM=$(readlink -f "$1") PICTURES=$(readlink -f "$2") SCREEN_CELLS=$(readlink -f "$3")
SCALE=${4:-1}
# shellcheck source=xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

# On screen, in the screen's pixels.
CLIENT_WIDTH=$((792 * SCALE)) CLIENT_HEIGHT=$((554 * SCALE))
ORIGIN_X='' ORIGIN_Y=''

# layout "RED CELLS" "BLUE CELLS": one character per cell, as screen_cells
# reads it.
layout() {
    local -a diamonds
    local i
    for ((i = 0; i < 100; i++)); do diamonds[i]=.; done
    for i in $1; do diamonds[i]=r; done
    for i in $2; do diamonds[i]=b; done
    printf '%s' "${diamonds[@]}"
}

# The centre of cell CELL's box on screen; the blue view draws cell i where
# the red view draws 99 - i.
cell_centre() {
    local view=$1 cell=$2
    [[ $view == blue ]] && cell=$((99 - cell))
    local row=$((cell / 10)) column=$((cell % 10))
    echo $((ORIGIN_X + ((1440 + 360 * (row + column)) / 15 + 12) * SCALE)) \
        $((ORIGIN_Y + ((3960 + 360 * (row - column)) / 15 + 12) * SCALE))
}

board_shown() {
    local view=$1 cells=$2 shot=$3
    screenshot "$shot"
    "$SCREEN_CELLS" cells "$WORK/$shot.png" "$view" "$cells" "$PICTURES" "$ORIGIN_X" "$ORIGIN_Y" \
        "$SCALE" >"$WORK/$shot.txt"
}

# Painting follows mapping by a moment, so the screen is read until it
# shows the position or ten seconds have passed.
expect_board() {
    local view=$1 cells=$2 shot=$3
    if ! await 10 "the $view view to show the position" board_shown "$view" "$cells" "$shot"; then
        cat "$WORK/$shot.txt" >&2
        fail "the $view view does not show the position (see $WORK/$shot.png)"
    fi
    say "all 100 diamonds of the $view view show their pictures"
}

board_found() {
    screenshot opening
    "$SCREEN_CELLS" find "$WORK/opening.png" red "$1" "$PICTURES" "$SCALE" >"$WORK/opening.txt"
}

# With no window manager there is no frame: the X window is the Qt window
# itself, the menu bar across its top and the board's client area filling
# the rest, so the client area's origin is the window's lower-left corner
# raised by its height. Searching the screenshot for the starting position
# finds the board independently; both must agree.
check_client_area() {
    local window=$1 cells=$2 x y width height
    read -r x y width height <<<"$(window_geometry "$window")"
    say "red view at $x,$y, $width x $height"
    ((width == CLIENT_WIDTH)) || fail "the window is $width pixels wide, not $CLIENT_WIDTH"
    local menu=$((height - CLIENT_HEIGHT))
    ((menu >= 10 * SCALE && menu <= 80 * SCALE)) || fail "$menu pixels above the client area cannot be the menu bar"
    xprop -id "$window" WM_NORMAL_HINTS >"$WORK/size-hints.txt"
    if ! grep -q "minimum size: $width by $height" "$WORK/size-hints.txt" ||
        ! grep -q "maximum size: $width by $height" "$WORK/size-hints.txt"; then
        fail "the window's size is not fixed: $(cat "$WORK/size-hints.txt")"
    fi
    await 10 "the board to appear" board_found "$cells" ||
        fail "the starting position is nowhere on the screen: $(cat "$WORK/opening.txt")"
    local found
    found=$(cat "$WORK/opening.txt")
    [[ $found == "$x $((y + menu))" ]] ||
        fail "the board stands at $found, not below a ${menu}-pixel menu bar at $x,$((y + menu))"
    ORIGIN_X=$x ORIGIN_Y=$((y + menu))
    say "client area $CLIENT_WIDTH x $CLIENT_HEIGHT at $ORIGIN_X,$ORIGIN_Y below the menu bar"
}

# Presses the man on FROM with the real pointer, carries him over in a few
# steps and lets go over TO.
drag() {
    local view=$1 from=$2 to=$3 x1 y1 x2 y2 step
    read -r x1 y1 <<<"$(cell_centre "$view" "$from")"
    read -r x2 y2 <<<"$(cell_centre "$view" "$to")"
    local -a moves=(mousemove "$x1" "$y1" mousedown 1)
    for step in 1 2 3 4; do
        moves+=(mousemove $((x1 + (x2 - x1) * step / 5)) $((y1 + (y2 - y1) * step / 5)))
    done
    moves+=(mousemove "$x2" "$y2" mouseup 1)
    xdotool "${moves[@]}"
    say "dragged $from to $to in the $view view"
}

# expect_handover FROM_ID TITLE: the window TITLE comes up in the place of
# FROM_ID, which is unmapped; prints the new window's id.
expect_handover() {
    local from=$1 title=$2 to
    to=$(await_window "$title")
    await 10 "the other view to be unmapped" is_unmapped "$from" ||
        fail "window $from stays mapped beside \"$title\""
    local before after
    before=$(window_geometry "$from")
    after=$(window_geometry "$to")
    [[ $before == "$after" ]] || fail "\"$title\" opened at $after, not in its twin's place $before"
    echo "$to"
}

# The popup menu of the program on screen, if any: a window of its own that
# bypasses window management. Its declared window type cannot tell it: late
# in a run Qt has declared a menu a normal window.
open_popup() {
    local window
    for window in $(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null); do
        xwininfo -id "$window" | grep -q 'Override Redirect State: yes' && echo "$window"
    done
    return 0
}

popup_open() { [[ -n $(open_popup) ]]; }
popup_closed() { [[ -z $(open_popup) ]]; }

# open_menu KEY NAME: Alt+KEY opens the menu hanging from the bar's lower
# edge; Escape closes it again. Prints the menu's left edge.
open_menu() {
    local key=$1 name=$2 popup x y width height
    xdotool key "alt+$key"
    await 10 "the $name menu" popup_open || fail "Alt+$key opened no menu"
    popup=$(open_popup)
    read -r x y width height <<<"$(window_geometry "$popup")"
    ((y == ORIGIN_Y)) || fail "the $name menu hangs at y=$y, not from the menu bar's edge at $ORIGIN_Y"
    xdotool key Escape
    await 10 "the $name menu to close" popup_closed || fail "Escape left the $name menu open"
    say "Alt+$key opened the $name menu at x=$x; Escape closed it"
    echo "$x"
}

rules_panel_shown() {
    screenshot "$1"
    "$SCREEN_CELLS" panel "$WORK/$1.png" "$ORIGIN_X" "$ORIGIN_Y" \
        $((568 * SCALE)) $((48 * SCALE)) $((212 * SCALE)) $((477 * SCALE)) 255 255 0 >"$WORK/$1.txt"
}

check_menus() {
    local options view help
    options=$(open_menu o Options)
    view=$(open_menu v View)
    help=$(open_menu h Help)
    ((options < view && view < help)) ||
        fail "the menus opened at x=$options, $view, $help, not in the bar's order"
    ! rules_panel_shown before-rules || fail "the rules panel shows before it was asked for"
    xdotool key alt+u
    await 10 "the rules panel" rules_panel_shown rules ||
        fail "Alt+U showed no rules panel in its place: $(cat "$WORK/rules.txt")"
    say "Alt+U: $(cat "$WORK/rules.txt")"
}

# blue_moved BEFORE AFTER: AFTER is BEFORE with one blue man moved, maybe
# onto a red man.
blue_moved() {
    local before=$1 after=$2 i left=0 arrived=0
    for ((i = 0; i < 100; i++)); do
        local was=${before:i:1} now=${after:i:1}
        [[ $was == "$now" ]] && continue
        if [[ $was == b && $now == . ]]; then
            ((++left))
        elif [[ $now == b ]]; then
            ((++arrived))
        else
            return 1
        fi
    done
    ((left == 1 && arrived == 1))
}

computer_replied() {
    screenshot reply
    "$SCREEN_CELLS" read "$WORK/reply.png" red "$PICTURES" "$ORIGIN_X" "$ORIGIN_Y" "$SCALE" >"$WORK/reply.txt" &&
        blue_moved "$1" "$(cat "$WORK/reply.txt")"
}

# Players > Computer Plays Blue, then a move: the computer's man glides to
# his diamond, and the red view stays on screen; Take Back Last Move takes
# back his reply with the move it answered.
play_against_computer() {
    local red=$1 red_men=$2 blue_men=$3
    xdotool key alt+p
    await 10 "the Players menu" popup_open || fail "Alt+P opened no menu"
    xdotool key b
    await 10 "the Players menu to close" popup_closed || fail "choosing Computer Plays Blue left the menu open"
    drag red 71 51
    red_men=${red_men/71/51}
    await 20 "the computer's reply" computer_replied "$(layout "$red_men" "$blue_men")" ||
        fail "the computer made no move on screen (see $WORK/reply.png)"
    [[ -z $(xdotool search --onlyvisible --name '^VINTREL BLUE VIEW$' 2>/dev/null) ]] && ! is_unmapped "$red" ||
        fail "the red view did not stay on screen against a computer playing blue"
    say "the computer answered in the red view"
    xdotool key alt+o
    await 10 "the Options menu" popup_open || fail "Alt+O opened no menu"
    xdotool key t
    expect_board red "$(layout "$2" "$3")" taken-back >/dev/null
    say "Take Back Last Move took back the computer's reply and the move before it"
}

game_kept() { grep -q "$1" "$WORK/data/vintrel/last-game.vintrel" 2>/dev/null; }

# kill_and_resume MOVE: once MOVE is kept, SIGKILL ends the program, which
# is started again with --resume.
kill_and_resume() {
    local move=$1
    await 10 "the move $move to be kept" game_kept "$move" || fail "the move $move was not kept"
    kill -KILL "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
    say "killed the program with SIGKILL after $move"
    PROGRAM_ARGS=(--resume)
    start_program "$PROGRAM" "$WORK/elsewhere" QT_SCALE_FACTOR="$SCALE"
    PROGRAM_ARGS=()
}

dialog_up() { xdotool search --onlyvisible --name '^VINTREL$' >/dev/null 2>&1; }

# A file that is no game: its error in a dialog and on standard error, and
# behind the dialog a new game.
open_bad_file() {
    local red_men=$1 blue_men=$2
    printf '[Event "VINTREL game"]\n\n1. 61-43 16-39\n' >"$WORK/bad.vintrel"
    PROGRAM_ARGS=("$WORK/bad.vintrel")
    start_program "$PROGRAM" "$WORK/elsewhere" QT_SCALE_FACTOR="$SCALE"
    PROGRAM_ARGS=()
    await_window "VINTREL RED VIEW" >/dev/null
    await 10 "the error dialog" dialog_up || fail "no dialog told of the bad file"
    grep -q "bad.vintrel:3: move 1, blue: 16-39 lands on own man" "$WORK/program.err" ||
        fail "standard error does not tell the bad move: $(cat "$WORK/program.err")"
    xdotool key Return
    expect_board red "$(layout "$red_men" "$blue_men")" new-game-after-bad-file
    say "the bad file was told and a new game started"
    kill -TERM "$PROGRAM_PID"
    await_program_exit 10
}

# Junk as the settings file: the game starts, with the defaults written
# back in its place.
start_over_junk_settings() {
    local red_men=$1 blue_men=$2 settings="$WORK/config/vintrel/vintrel.conf"
    mkdir -p "$(dirname "$settings")"
    printf '\x00\xff[players\ncomputer=sideways\x01\nlevel=\xc3\x28 godlike\n' >"$settings"
    start_program "$PROGRAM" "$WORK/elsewhere" QT_SCALE_FACTOR="$SCALE"
    await_window "VINTREL RED VIEW" >/dev/null
    expect_board red "$(layout "$red_men" "$blue_men")" over-junk-settings
    grep -qx 'computer=none' "$settings" && grep -qx 'level=medium' "$settings" ||
        fail "the settings of junk were not written anew: $(cat -v "$settings")"
    say "settings of junk: a new game, and the defaults written back"
}

save_dialogs() { xdotool search --onlyvisible --name '^Save Game$' 2>/dev/null | wc -l; }
save_dialog_up() { (($(save_dialogs) >= 1)); }
replace_question_up() { (($(save_dialogs) >= 2)); }

# A game saved over an earlier one by the dialog, the program killed a
# moment after the save was confirmed: the file holds either game whole.
kill_during_save() {
    local chosen="$WORK/chosen.vintrel" old='[Event "earlier game"]'$'\n\n''1. 70-52 6-26'
    printf '%s\n' "$old" >"$chosen"
    drag red 61 41
    await_window "VINTREL BLUE VIEW" >/dev/null
    xdotool key ctrl+s
    await 10 "the save dialog" save_dialog_up || fail "Ctrl+S opened no dialog"
    xdotool key ctrl+a
    xdotool type --delay 0 "$chosen"
    xdotool key Return
    await 10 "the question to replace the file" replace_question_up || fail "no question to replace $chosen"
    xdotool key alt+y
    sleep "0.0$((RANDOM % 10))"
    kill -KILL "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
    local kept
    kept=$(cat "$chosen")
    if [[ $kept == "$old" ]]; then
        say "killed during the save: the file kept the earlier game"
    elif [[ $kept == *'[Result "*"]'* && $kept == *$'\n''1. 61-41' ]]; then
        say "killed during the save: the file holds the new game whole"
    else
        fail "killed during the save, the file holds neither game whole: $kept"
    fi
}

main() {
    session_begin real_window_test
    start_xvfb "$((1280 * SCALE))x$((1024 * SCALE))x24"
    mkdir "$WORK/elsewhere"
    start_program "$PROGRAM" "$WORK/elsewhere" QT_SCALE_FACTOR="$SCALE"

    local red_men="60 70 80 90 61 71 72 81 82 83 91 92 93"
    local blue_men="7 8 9 6 17 16 18 19 27 28 29 38 39"
    local red blue
    red=$(await_window "VINTREL RED VIEW")
    check_client_area "$red" "$(layout "$red_men" "$blue_men")"
    expect_board red "$(layout "$red_men" "$blue_men")" opening

    drag red 61 41
    local start_red=$red_men start_blue=$blue_men
    red_men="60 70 80 90 41 71 72 81 82 83 91 92 93"
    blue=$(expect_handover "$red" "VINTREL BLUE VIEW")
    expect_board blue "$(layout "$red_men" "$blue_men")" after-red-move

    kill_and_resume 61-41
    blue=$(await_window "VINTREL BLUE VIEW")
    expect_board blue "$(layout "$red_men" "$blue_men")" resumed
    say "resumed after SIGKILL in the blue view"
    # Resumed, the windows are placed anew.
    local x y width height
    read -r x y width height <<<"$(window_geometry "$blue")"
    ORIGIN_X=$x ORIGIN_Y=$((y + height - CLIENT_HEIGHT))

    drag blue 16 5
    blue_men="7 8 9 6 17 5 18 19 27 28 29 38 39"
    red=$(expect_handover "$blue" "VINTREL RED VIEW")
    expect_board red "$(layout "$red_men" "$blue_men")" after-blue-move

    check_menus
    play_against_computer "$red" "$red_men" "$blue_men"
    xdotool key alt+o
    await 10 "the Options menu" popup_open || fail "Alt+O opened no menu"
    xdotool key x
    await_program_exit 10
    ((PROGRAM_STATUS == 0)) || fail "E&xit ended the program with status $PROGRAM_STATUS"
    open_bad_file "$start_red" "$start_blue"
    start_over_junk_settings "$start_red" "$start_blue"
    kill_during_save
    say "passed"
}

main
