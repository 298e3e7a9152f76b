#!/usr/bin/env bash
# Installs the Debian packages Wuxo needs to build, run and test, where they are
# missing. Without root (or sudo) it prints the one apt-get line to run instead.
set -euo pipefail

build=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-l10n-tools libgl-dev libxkbcommon-dev
       libxcb1-dev libhunspell-dev fonts-dejavu-core)
# What running the program needs beyond its libraries: a dictionary to check the post with,
# and Qt's own translations for its dialogs.
run=(hunspell-en-us qt6-translations-l10n)
tests=(xvfb xauth xdotool xclip dbus dbus-daemon dbus-x11 at-spi2-core python3-pyatspi imagemagick)
release=(desktop-file-utils appstream)
# Building the Debian package (dpkg-shlibdeps, and file to find the binaries),
# and checking it (lintian, man).
package=(dpkg-dev file)
package_checks=(lintian man-db)
fuzz=(clang libclang-rt-14-dev)
format=(clang-format)
# CI's builds go through the compiler cache when it is there (the build picks it up itself).
cache=(ccache)

wanted=("${build[@]}")
case "${1:-run}" in
    run) wanted+=("${run[@]}") ;;
    test) wanted+=("${run[@]}" "${tests[@]}" "${package[@]}" "${package_checks[@]}") ;;
    ci) wanted+=("${run[@]}" "${tests[@]}" "${release[@]}" "${package[@]}" "${package_checks[@]}" "${fuzz[@]}" "${format[@]}" "${cache[@]}") ;;
    install) wanted+=("${release[@]}") ;;
    deb) wanted+=("${package[@]}") ;;
    format) wanted+=("${format[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null 2>&1; then
    echo "wuxo: these packages are needed: ${missing[*]} (this system has no apt-get; install them with its package manager)" >&2
    exit 1
fi
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    sudo=(sudo)
else
    echo "wuxo: missing packages. Run this once, then try again:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "wuxo: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
