#!/usr/bin/env bash
# Builds the Debian package from the built program with CPack and checks what it holds and what
# it asks apt to install with it.
#     check_debian_package.sh <build folder> [cpack]
set -euo pipefail
build=$1
cpack=${2:-cpack}
app_id=org.tivak.tivak

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack could not build the package" >&2
    exit 1
fi
shopt -s nullglob
debs=("$scratch"/tivak_*.deb)
if ((${#debs[@]} != 1)); then
    echo "FAIL: expected one tivak_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
[[ $(basename "$deb") == "tivak_1.0.0_$(dpkg --print-architecture).deb" ]] ||
    fail "the package file is named $(basename "$deb")"

# The files, as "mode path" lines.
contents=$(dpkg-deb --contents "$deb" | awk '{ print $1, $6 }')
for expected in \
    "-rwxr-xr-x ./usr/bin/tivak" \
    "-rw-r--r-- ./usr/share/applications/$app_id.desktop" \
    "-rw-r--r-- ./usr/share/metainfo/$app_id.metainfo.xml" \
    "-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/$app_id.png"; do
    grep -qxF -- "$expected" <<<"$contents" || fail "the package lacks '$expected'"
done

# Nothing else: every file of the package is one of the program's own.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | while read -r path; do
    case $path in
    ./usr/bin/tivak | ./usr/share/applications/$app_id.desktop | \
        ./usr/share/metainfo/$app_id.metainfo.xml | \
        ./usr/share/icons/hicolor/128x128/apps/$app_id.png | ./usr/share/doc/tivak/*) ;;
    *) echo "$path" ;;
    esac
done >"$scratch/unexpected"
[[ ! -s $scratch/unexpected ]] || fail "the package holds files of no use: $(cat "$scratch/unexpected")"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == tivak ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == 1.0.0 ]] || fail "Version is '$(field Version)'"

# Each package the program needs, whether linked (found by dpkg-shlibdeps) or loaded at run time
# (platform plugin, GStreamer elements), must be a dependency of its own.
depends=$(field Depends | tr -d ' ' | tr ',|' '\n\n' | sed 's/(.*//')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libgstreamer1.0-0 \
    libglib2.0-0 gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav \
    gstreamer1.0-pulseaudio; do
    grep -qxF "$needed" <<<"$depends" || fail "Depends lacks $needed: $(field Depends)"
done

# The executable is stripped: debug information does not belong in the package.
dpkg-deb --extract "$deb" "$scratch/root"
file --brief "$scratch/root/usr/bin/tivak" | grep -q ", stripped" ||
    fail "usr/bin/tivak is not stripped"

# apt can resolve every declared dependency. With package lists at hand, as on a fresh Debian 12
# machine where nothing beyond the base system is installed (an empty package status is stricter
# still); without them, against what this machine has installed.
apt_options=(--simulate --no-install-recommends)
if compgen -G "/var/lib/apt/lists/*_Packages*" >/dev/null; then
    : >"$scratch/empty-status"
    apt_options+=(-o "Dir::State::status=$scratch/empty-status")
fi
if ! apt-get install "${apt_options[@]}" "$deb" >"$scratch/apt.log" 2>&1; then
    cat "$scratch/apt.log" >&2
    fail "apt-get cannot resolve the package's dependencies"
fi

if ((failures > 0)); then
    exit 1
fi
echo "Debian package: all checks passed ($(field Depends))"
