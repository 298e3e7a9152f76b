#!/usr/bin/env bash
# check-install.sh BUILD_DIR SOURCE_DIR PLUGIN: installs into a scratch prefix and
# checks that everything a desktop needs is where it looks for it, and valid.
# PLUGIN is where the web engine plugin belongs, relative to the prefix.
set -uo pipefail
build=$1
source=$2
plugin=${3:-lib/wuxo/plugins/webpreview.so}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

failed=0
expect() {
    if [ -e "$prefix/$1" ]; then echo "ok    $1"; else echo "FAIL  $1 is missing"; failed=1; fi
}
expect bin/wuxo
expect bin/wuxo-bbcode
expect "$plugin"
expect "share/doc/wuxo/Read Me.html"
expect share/applications/example.quorvel.Wuxo.desktop
expect share/metainfo/example.quorvel.Wuxo.metainfo.xml
expect share/icons/hicolor/scalable/apps/example.quorvel.Wuxo.svg
for size in 32 48 128; do
    expect share/icons/hicolor/${size}x${size}/apps/example.quorvel.Wuxo.png
done
expect share/man/man1/wuxo.1.gz
expect share/man/man1/wuxo-bbcode.1.gz
expect share/doc/wuxo/copyright
# Files only the Debian package carries.
for packaged in share/doc/wuxo/changelog.Debian.gz share/lintian/overrides/wuxo; do
    if [ -e "$prefix/$packaged" ]; then echo "FAIL  $packaged is installed"; failed=1; else echo "ok    no $packaged"; fi
done

if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$prefix/share/applications/example.quorvel.Wuxo.desktop" \
        && echo "ok    desktop entry is valid" || { echo "FAIL  desktop entry"; failed=1; }
else
    echo "skip  desktop-file-validate is not installed"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net "$prefix/share/metainfo/example.quorvel.Wuxo.metainfo.xml" >/dev/null \
        && echo "ok    metainfo is valid" || { echo "FAIL  metainfo"; failed=1; }
else
    echo "skip  appstreamcli is not installed"
fi

# The installed tool runs and converts.
out=$(printf '[b]x[/b]' | "$prefix/bin/wuxo-bbcode")
[ "$out" = "<b>x</b>" ] && echo "ok    installed wuxo-bbcode converts" || { echo "FAIL  wuxo-bbcode said: $out"; failed=1; }

[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
