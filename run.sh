#!/usr/bin/env bash
# Builds the book and opens it. On a fresh Debian 12 machine, run as root: it installs whatever it
# needs first.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default
echo "Built. The book's windows are not there yet, so there is nothing to open."
