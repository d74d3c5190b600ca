#!/usr/bin/env bash
# Writes into the work directory $1 what a first run leaves once its questions are answered
# (English, a direct connection, the default settings), for a machine nobody sits at. Without the
# settings the start would take itself for a first run and ask again. Files already there stay.
# The selection is the first run's (positions 0 to 3) followed by the entries given as
# "position id" pairs in $2.
set -euo pipefail
work=$1
extra=${2:-}
mkdir -p "$work"
[ -f "$work/Nimbrisco7_Config.dat" ] || printf '15\r\n8\r\nFull_Screen\r\n\r\n\r\n' > "$work/Nimbrisco7_Config.dat"
if [ ! -f "$work/Nimbrisco7_Picture_List.dat" ]; then
    {
        printf '0\r\n1\r\n1\r\n2\r\n2\r\n3\r\n3\r\n4\r\n'
        for value in $extra; do printf '%s\r\n' "$value"; done
        printf '\r\n\r\n'
    } > "$work/Nimbrisco7_Picture_List.dat"
fi
[ -f "$work/Nimbrisco7_Language.dat" ] || printf ' 1' > "$work/Nimbrisco7_Language.dat"
if [ ! -f "$work/Nimbrisco7_Proxy.dat" ]; then
    printf '\r\n\r\n\r\n\r\n0\r\n' > "$work/Nimbrisco7_Proxy.dat"
    chmod 600 "$work/Nimbrisco7_Proxy.dat"
fi
