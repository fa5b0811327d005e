#!/bin/sh
# Builds the artwork generator and draws every picture and icon into assets/ again, with preview
# sheets (a contact sheet and each page with its speaker buttons) in build/artwork-preview/.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build/artwork"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIVAK_BUILD_ARTWORK=ON >/dev/null
cmake --build "$build" --target tivak_artwork -j2
mkdir -p "$root/build/artwork-preview"
"$build/tools/artwork/tivak_artwork" "$root/assets" "$root/build/artwork-preview"
