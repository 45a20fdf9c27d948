#!/usr/bin/env bash
# Installs the build into a scratch root with DESTDIR and starts the
# installed program from an unrelated folder: it must find its pictures in
# the installed tree.
#   install_test.sh BUILD_DIR PICTURE...
set -euo pipefail
source "$(dirname "$0")/checks.sh"
build_dir=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >"$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
expect_files "$scratch/root" "$@"
expect_keeps_running "$scratch/root/usr/bin/vintrel" "$scratch"
echo "installed tree complete; the installed program starts and keeps running"
