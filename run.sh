#!/usr/bin/env bash
# Builds the book and opens it, with demo clips installed where the book looks for them.
# On a fresh Debian 12 machine, run as root: it installs whatever it needs first.
# Without a display, the book takes its tour on a virtual one and keeps what was seen and heard.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default
tools/install-demo-clips.sh

if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec build/default/app/tivak
fi
tour=$PWD/build/default/tour
echo "No display here: the book takes its tour on a virtual display instead, into $tour"
rm -rf "$tour"
build/default/tools/tour/tivak-tour "$tour"
echo "The tour is in $tour: a picture of every screen (*.png) and what was heard (heard.wav)."
