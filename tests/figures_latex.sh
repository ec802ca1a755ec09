#!/usr/bin/env bash
# The figures in a folder (docs/figures) compile with pdflatex and the tikz package alone, all in one document, and
# each is 12 cm wide; the folder holds exactly one figure for each program whose key s saves one.
# Usage: tests/figures_latex.sh FOLDER
set -euo pipefail

figures=$1
expected=$("$(dirname "$0")/../scripts/programs" --figure | sed 's/$/.tex/' | sort | tr '\n' ' ')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$figures"/*.tex "$work/"
cd "$work"

names=(*.tex)
if [ "$(printf '%s\n' "${names[@]}" | sort | tr '\n' ' ')" != "$expected" ]; then
    echo "expected the figures $expected, found ${names[*]}"
    exit 1
fi
# Each figure is set in a box first, so that its width can be read off in the log.
{
    echo '\documentclass{article}'
    echo '\usepackage{tikz}'
    echo '\newsavebox\figurebox'
    echo '\begin{document}'
    for name in "${names[@]}"; do
        echo "\\sbox\\figurebox{\\input{$name}}\\typeout{WIDTH $name \\the\\wd\\figurebox}\\noindent\\usebox\\figurebox\\par"
    done
    echo '\end{document}'
} >document.ltx

if ! pdflatex -interaction=nonstopmode -halt-on-error document.ltx >output.txt 2>&1; then
    grep -A5 '^!' document.log || tail -n 20 output.txt
    echo "pdflatex failed"
    exit 1
fi

# 12 cm is 341.433 pt. TeX multiplies a coordinate by the unit in fixed point, a few parts in a million each time,
# so the width may miss it by a hundredth of a point; a space after the picture adds over 3 points.
status=0
for name in "${names[@]}"; do
    width=$(sed -n "s/^WIDTH $name \\([0-9.]*\\)pt$/\\1/p" document.log)
    if ! awk -v w="$width" 'BEGIN { exit !(w != "" && w > 341.383 && w < 341.483) }'; then
        echo "$name is ${width:-?}pt wide, not 12 cm (341.433pt)"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "the ${#names[@]} figures compile, each 12 cm wide"
exit "$status"
