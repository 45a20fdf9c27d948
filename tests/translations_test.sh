#!/usr/bin/env bash
# Every text of the sources has a finished translation in every catalogue:
# copies of the catalogues are brought up to date with the sources, and no
# entry of theirs may be left unfinished.
# Usage: translations_test.sh LUPDATE SOURCE_DIR
set -euo pipefail
export LUPDATE=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$source_dir/scripts/update-translations" "$scratch"
status=0
for catalogue in "$scratch"/vintrel_*.ts; do
    # The source of each unfinished entry: the line of its <source>, or the
    # first line of a text of several lines.
    unfinished=$(grep -B2 'type="unfinished"' "$catalogue" | grep -o '<source>.*' || true)
    if [ -n "$unfinished" ]; then
        echo "$(basename "$catalogue"): $(grep -c 'type="unfinished"' "$catalogue") unfinished:"
        echo "$unfinished" | sed 's/^<source>/  /; s/<\/source>$//'
        status=1
    else
        echo "$(basename "$catalogue"): every text translated"
    fi
done
exit $status
