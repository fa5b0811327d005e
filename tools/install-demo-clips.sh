#!/usr/bin/env bash
# Installs demo clips where the book looks for its sound: each page clip says the English name of
# its animal (espeak-ng), and the intro "2020.mp4" is a short synthesised tune (sox) with a small
# video track (ffmpeg). The clip names come from the book's own catalogue, through tivak-clip-list.
#
# Usage: tools/install-demo-clips.sh [FOLDER]
#   FOLDER defaults to /mnt/d/Tivak, which the book on Linux reads as "D:\Tivak\".
#   TIVAK_CLIP_LIST may name the tivak-clip-list program; by default the one of build/default is
#   used, and built there if it is missing.
# Nothing is written when the folder already holds any of the clips, and no file is overwritten.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
folder=${1:-/mnt/d/Tivak}
build="$here/../build/default"
lister=${TIVAK_CLIP_LIST:-$build/tools/sound/tivak-clip-list}

if [[ ! -x $lister && -z ${TIVAK_CLIP_LIST:-} && -f $build/CMakeCache.txt ]]; then
    cmake --build "$build" --target tivak-clip-list >/dev/null
fi
if [[ ! -x $lister ]]; then
    echo "install-demo-clips: $lister is missing; build the project first" >&2
    exit 1
fi
for tool in espeak-ng sox ffmpeg; do
    if ! command -v "$tool" >/dev/null; then
        echo "install-demo-clips: $tool is not installed (tools/ensure-packages.sh installs it)" >&2
        exit 1
    fi
done

mapfile -t entries < <("$lister")
mkdir -p "$folder"
# The book finds clips whatever their letter case, so any spelling counts as already there.
for entry in "${entries[@]}"; do
    clip=${entry%%$'\t'*}
    if [[ -n $(find "$folder" -maxdepth 1 -iname "$clip" -print -quit) ]]; then
        echo "Demo clips not installed: $folder already holds $clip"
        exit 0
    fi
done

work=$(mktemp -d "$folder/.demo-clips.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A cheerful phrase that loops well: up the major chord and back down.
write_intro() {
    local notes=(C5 E5 G5 C6 G5 E5 F5 A5 C6 A5 G5 E5 D5 F5 B4 C5)
    local synth=() note
    for note in "${notes[@]}"; do
        synth+=(synth 0.25 pluck "$note" :)
    done
    unset 'synth[${#synth[@]}-1]'
    sox -n -r 44100 -c 2 "$work/tune.wav" "${synth[@]}"
    sox "$work/tune.wav" "$work/tune-soft.wav" gain -n -6 fade 0.02 0 0.05
    local seconds
    seconds=$(soxi -D "$work/tune-soft.wav")
    ffmpeg -v error -f lavfi -i "testsrc2=size=160x120:rate=15:duration=$seconds" \
        -i "$work/tune-soft.wav" -c:v libx264 -pix_fmt yuv420p -c:a aac -b:a 128k -f mp4 "$work/$1"
}

write_name() {
    espeak-ng -v en -s 140 -w "$work/voice.wav" "$2"
    sox "$work/voice.wav" -r 44100 "$work/voice-loud.wav" norm -1
    ffmpeg -v error -i "$work/voice-loud.wav" -c:a aac -b:a 96k -f mp4 "$work/$1"
}

for entry in "${entries[@]}"; do
    clip=${entry%%$'\t'*}
    animal=${entry#*$'\t'}
    if [[ -z $animal ]]; then
        write_intro "$clip"
    else
        write_name "$clip" "$animal"
    fi
done
for entry in "${entries[@]}"; do
    clip=${entry%%$'\t'*}
    mv -n "$work/$clip" "$folder/$clip"
done
echo "Installed ${#entries[@]} demo clips in $folder"
