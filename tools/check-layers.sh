#!/usr/bin/env bash
# Draws the graph of the program's libraries from CMake (build-dir/layers/nimbrisco.dot, and an
# SVG beside it when Graphviz is installed) and fails when the graph has a cycle. It prints the
# libraries bottom up, each with the libraries it links.
#
#   tools/check-layers.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build}
OUT="$BUILD_DIR/layers"
rm -rf "$OUT"
mkdir -p "$OUT"
# Only the project's own targets: Qt's and the test libraries are left out of the picture.
cat > "$BUILD_DIR/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_EXTERNAL_LIBS FALSE)
set(GRAPHVIZ_EXECUTABLES FALSE)
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
set(GRAPHVIZ_IGNORE_TARGETS "nimbrisco_test.*;nimbrisco_form_fixture;nimbrisco_platform_fakes;.*_autogen.*;.*resources.*")
OPTIONS
cmake -S . -B "$BUILD_DIR" --graphviz="$OUT/nimbrisco.dot" > /dev/null

# "node0" [ label = "nimbrisco_base" ... ] and "node3" -> "node0" lines, as names.
EDGES=$(awk '
    /\[ *label *= *"/ { match($0, /"node[0-9]+"/); id = substr($0, RSTART, RLENGTH);
                        match($0, /label *= *"[^"]+"/); l = substr($0, RSTART, RLENGTH);
                        sub(/label *= *"/, "", l); sub(/"$/, "", l); name[id] = l }
    /->/ { edges[++n] = $1 " " $3 }
    END { for (i = 1; i <= n; ++i) { split(edges[i], e, " ");
          if (e[1] in name && e[2] in name) print name[e[1]], name[e[2]] } }
' "$OUT/nimbrisco.dot" | grep -E '^(nimbrisco|anigif)' | grep -E ' (nimbrisco|anigif)' || true)
[ -n "$EDGES" ] || { echo "no library links found in $OUT/nimbrisco.dot" >&2; exit 1; }

# tsort orders the libraries and reports every loop it meets.
if ! ORDER=$(echo "$EDGES" | tsort 2>"$OUT/loops.txt") || [ -s "$OUT/loops.txt" ]; then
    echo "The library graph has a cycle:" >&2
    cat "$OUT/loops.txt" >&2
    exit 1
fi
echo "Libraries, bottom up, with what each links:"
for lib in $(echo "$ORDER" | tac); do
    uses=$(echo "$EDGES" | awk -v l="$lib" '$1 == l { print $2 }' | sort | tr '\n' ' ')
    printf '  %-24s %s\n' "$lib" "$uses"
done
if command -v dot > /dev/null; then
    dot -Tsvg "$OUT/nimbrisco.dot" -o "$OUT/nimbrisco.svg"
    echo "Drawn: $OUT/nimbrisco.svg"
fi
echo "No cycle."
