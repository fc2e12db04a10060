#!/usr/bin/env bash
# The committed pictures and the aircraft model in assets/ are exactly what the generator makes
# today: a change to the generator (or to the renderer, for the preview still) shows here until
# the files are made again with scripts/make-assets.sh and committed.
#   check_assets.sh SOURCE_DIR GENERATOR TOOL
set -euo pipefail
source_dir=$1
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
ALTOSTRAT_ASSETS_GENERATOR=$2 ALTOSTRAT_TOOL=$3 "$source_dir/scripts/make-assets.sh" "$fresh"
status=0
for file in "$fresh"/*.bmp "$fresh"/*.ms3d; do
    name=$(basename "$file")
    if ! cmp -s "$file" "$source_dir/assets/$name"; then
        echo "assets/$name differs from a fresh generation" >&2
        status=1
    fi
done
exit $status
