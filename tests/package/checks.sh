# Checks shared by the package tests. Source it; every check exits the
# test with a message on failure.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# expect_files ROOT PICTURE...: everything the game installs, under ROOT/usr.
expect_files() {
    local root=$1
    shift
    local expected=(
        bin/vintrel
        share/applications/vintrel.desktop
        share/metainfo/io.github.vintrel.vintrel.metainfo.xml
        share/icons/hicolor/scalable/apps/vintrel.svg
        share/mime/packages/vintrel.xml
    )
    local size picture
    for size in 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/vintrel.png"); done
    for picture in "$@"; do expected+=("share/vintrel/$picture"); done
    for path in "${expected[@]}"; do
        [ -s "$root/usr/$path" ] || fail "missing or empty: /usr/$path"
    done
    [ -x "$root/usr/bin/vintrel" ] || fail "/usr/bin/vintrel is not executable"
    expect_game_type "$root/usr/share"
    local size_seen
    for size in 48 64 128 256; do
        size_seen=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/vintrel.png")
        [[ $size_seen == *"PNG image data, $size x $size"* ]] || fail "icon of $size pixels is: $size_seen"
    done
}

# expect_game_type SHARE: the saved games' type, as the desktop's database
# builds it from SHARE/mime/packages, is known by its file name and opened
# by the game's menu entry.
expect_game_type() {
    local share=$1 database
    database=$(mktemp -d)
    cp -r "$share/mime/packages" "$database/packages"
    update-mime-database "$database" || fail "update-mime-database refused mime/packages/vintrel.xml"
    grep -q '^50:application/x-vintrel-game:\*\.vintrel$' "$database/globs2" ||
        fail "*.vintrel is not application/x-vintrel-game"
    rm -rf "$database"
    grep -q '^MimeType=application/x-vintrel-game;$' "$share/applications/vintrel.desktop" ||
        fail "the menu entry does not open saved games"
    grep -q '^Exec=vintrel %f$' "$share/applications/vintrel.desktop" || fail "the menu entry passes no file"
}

# expect_keeps_running PROGRAM SCRATCH: starts PROGRAM headless from an empty
# folder that holds no pictures. It must still be running after five
# seconds (timeout ends it: status 124), having said nothing on standard
# error; a program that cannot find its pictures ends at once with status 2.
expect_keeps_running() {
    local program=$1 scratch=$2
    mkdir -p "$scratch/elsewhere" "$scratch/runtime"
    chmod 700 "$scratch/runtime"
    local status=0
    (cd "$scratch/elsewhere" &&
        QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
            timeout -s TERM 5 "$program" 2>"$scratch/stderr") || status=$?
    # The headless platform cannot raise a window and says so; that is Qt's
    # notice, not the program's.
    grep -v '^This plugin does not support raise()$' "$scratch/stderr" >"$scratch/complaints" || true
    if [ -s "$scratch/complaints" ]; then
        cat "$scratch/complaints" >&2
        fail "$program complained on standard error (status $status)"
    fi
    [ "$status" -eq 124 ] || fail "$program ended by itself with status $status"
}
