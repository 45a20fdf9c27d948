#!/usr/bin/env bash
# The menu entry and the software-centre description pass their validators.
#   desktop_files_test.sh PACKAGING_SOURCE_DIR
set -euo pipefail
packaging=$1
desktop-file-validate "$packaging/vintrel.desktop"
appstreamcli validate --no-net --pedantic "$packaging/vintrel.metainfo.xml"
xmllint --noout "$packaging/vintrel-mime.xml"
