#!/usr/bin/env bash
# Installs whatever Debian package of tools/debian-packages.txt is missing.
# Quiet when everything is there; stops with a clear message when a package cannot be had.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mapfile -t wanted < <(grep -v -E '^\s*(#|$)' "$here/debian-packages.txt")

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

if ((EUID != 0)); then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}) or run this command as root." >&2
    exit 1
fi
echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! apt-get update -qq; then
    echo "apt-get update failed: the package lists cannot be had." >&2
    exit 1
fi
if ! apt-get install -y -qq "${missing[@]}" >/tmp/tivak-apt.log 2>&1; then
    tail -n 20 /tmp/tivak-apt.log >&2
    echo "Could not install: ${missing[*]} (full log: /tmp/tivak-apt.log)" >&2
    exit 1
fi
