#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata by the freedesktop tools.
set -euo pipefail
cd "$(dirname "$0")/../packaging/desktop"
desktop-file-validate net.nimbrisco.Nimbrisco.desktop
# --no-net: the check must not depend on reaching the addresses it names.
appstreamcli validate --no-net --pedantic net.nimbrisco.Nimbrisco.metainfo.xml
echo "desktop entry and AppStream metadata: valid"
