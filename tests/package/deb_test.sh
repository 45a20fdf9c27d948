#!/usr/bin/env bash
# Builds the Debian package from the build with cpack in a scratch folder,
# checks its control data and contents, unpacks it into a scratch root and
# starts the unpacked program from an unrelated folder.
#   deb_test.sh BUILD_DIR PICTURE...
set -euo pipefail
source "$(dirname "$0")/checks.sh"
build_dir=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/package" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

dpkg-deb -I "$deb" >"$scratch/control"
grep -Eq '^ Package: vintrel$' "$scratch/control" || fail "package name"
grep -Eq '^ Section: games$' "$scratch/control" || fail "section games"
grep -Eq '^ Depends: .*libqt6widgets6' "$scratch/control" || fail "no Depends on libqt6widgets6"
grep -Eq '^ Depends: .*qt6-qpa-plugins' "$scratch/control" || fail "no Depends on qt6-qpa-plugins"
grep -Eq '^ Maintainer: .+' "$scratch/control" || fail "no maintainer"

# Every file the package lists is a path under /usr; the unpacked tree must
# hold all the game installs.
dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
outside=$(grep -v -e '^\./$' -e '^\./usr/' "$scratch/contents" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
dpkg-deb -x "$deb" "$scratch/root"
expect_files "$scratch/root" "$@"
expect_keeps_running "$scratch/root/usr/bin/vintrel" "$scratch"
echo "package $(basename "$deb") complete; the unpacked program starts and keeps running"
