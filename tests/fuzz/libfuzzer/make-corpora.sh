#!/bin/bash
# Seed corpora for the libFuzzer binaries, laid out as each target reads its
# input (tests/fuzz/targets/FuzzTargets.h), from the data set's small files:
#   OUT/images   PNG and JPG files as they are
#   OUT/models   an OBJ naming model.mtl, a zero byte, then its material library
#   OUT/shaders  a stage including a.glsl, a zero byte, then that include
# Usage: make-corpora.sh RESOURCES OUT   (RESOURCES: build/bin/Resources)
set -euo pipefail
resources=${1:?RESOURCES folder}
out=${2:?output folder}
mkdir -p "$out/images" "$out/models" "$out/shaders"

# Small seeds keep libFuzzer's inputs short and its executions fast.
small() { [ "$(stat -c %s "$1")" -le 49152 ]; }

find "$resources" -type f \( -name '*.png' -o -name '*.jpg' \) | while read -r image; do
    small "$image" && cp "$image" "$out/images/"
done

for obj in "$resources"/models/*/*.obj; do
    small "$obj" || continue
    library=$(sed -n 's/^mtllib \([^\r]*\).*/\1/p' "$obj" | head -n 1)
    {
        sed 's/^mtllib .*/mtllib model.mtl/' "$obj"
        [ -z "$library" ] || { printf '\0'; cat "$(dirname "$obj")/$library"; }
    } > "$out/models/$(basename "$obj")"
done

for stage in "$resources"/shaders/*.vert "$resources"/shaders/*.frag "$resources"/shaders/*.geom; do
    include=$(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$stage" | head -n 1)
    {
        sed '0,/^#include "[^"]*"/s//#include "a.glsl"/' "$stage"
        [ -z "$include" ] || { printf '\0'; cat "$(dirname "$stage")/$include"; }
    } > "$out/shaders/$(basename "$stage")"
done
echo "$(find "$out" -type f | wc -l) seeds in $out/{images,models,shaders}"
