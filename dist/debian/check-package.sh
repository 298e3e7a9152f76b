#!/usr/bin/env bash
# check-package.sh BUILD_DIR SOURCE_DIR VERSION: builds the Debian package into a
# scratch folder and checks what it holds, its control fields and lintian's verdict,
# then runs both programs from the unpacked package.
set -uo pipefail
build=$1
source=$2
version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
pass() { echo "ok    $1"; }
fail() { echo "FAIL  $1"; failed=1; }

arch=$(dpkg --print-architecture)
deb=$scratch/out/wuxo_${version}_${arch}.deb
cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; echo "FAIL  cpack"; exit 1; }
[ -f "$deb" ] || { ls "$scratch/out"; echo "FAIL  no $(basename "$deb")"; exit 1; }
pass "built $(basename "$deb")"

# What it holds: every path with its mode and owner, and nothing else.
dpkg-deb --contents "$deb" | awk '{ $3 = $4 = $5 = ""; print }' | sed -E 's/ +/ /g' | sort >"$scratch/contents"
if diff -u <(sort "$source/dist/debian/contents.txt") "$scratch/contents"; then
    pass "contents"
else
    fail "contents differ from dist/debian/contents.txt (- expected, + in the package)"
fi

field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    local value
    value=$(field "$1")
    [ "$value" = "$2" ] && pass "$1: $2" || fail "$1 is \"$value\", expected \"$2\""
}
expect_field Package wuxo
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section editors
expect_field Priority optional
expect_field Maintainer "Quorvel <support@quorvel.example>"
expect_field Recommends "hunspell-en-us, qt6-translations-l10n"
synopsis=$(field Description | head -n 1)
[ "$synopsis" = "BBCode editor for writing web-forum posts" ] && pass "synopsis: $synopsis" \
    || fail "synopsis is \"$synopsis\""
# Worked out by dpkg-shlibdeps from the binaries: the C library and Qt, with versions.
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6webenginewidgets6; do
    [[ ", $depends" == *", $library (>= "[0-9]* ]] \
        && pass "Depends on $library" || fail "Depends lacks $library: $depends"
done
[ "$(field Description | wc -l)" -ge 5 ] && pass "a long description" || fail "the description has no body"

# lintian: no errors or warnings, except those overridden under a written reason.
# (With --show-overrides lintian would fail on the overridden ones too.)
overrides=$scratch/overrides
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/lintian/overrides/wuxo >"$overrides" 2>/dev/null
unexplained=$(awk '/^#/ { reason = 1; next } /^[[:space:]]*$/ { reason = 0; next }
                   { if (!reason) print; }' "$overrides")
[ -z "$unexplained" ] && pass "every lintian override has its reason" \
    || fail "lintian overrides without a comment above them: $unexplained"
if lintian --fail-on error,warning --info "$deb" >"$scratch/lintian.log" 2>&1; then
    pass "lintian"
else
    fail "lintian:"
fi
grep -v "running with root privileges" "$scratch/lintian.log" | sed 's/^/      /'

# The unpacked programs run.
root=$scratch/root
dpkg-deb --extract "$deb" "$root" || fail "dpkg-deb --extract"
out=$(printf '[b]Hello[/b], [url=http://example.org]forum[/url]\n' | "$root/usr/bin/wuxo-bbcode")
[ "$out" = "<b>Hello</b>, <a href='http://example.org' target='_blank'>forum</a><br />" ] \
    && pass "unpacked wuxo-bbcode converts" || fail "unpacked wuxo-bbcode said: $out"
page=$(MANWIDTH=80 man -l -P cat "$root/usr/share/man/man1/wuxo-bbcode.1.gz" 2>&1)
for heading in OPTIONS "EXIT STATUS" EXAMPLES; do
    grep -q "^$heading" <<<"$page" && pass "man wuxo-bbcode: $heading" || fail "man wuxo-bbcode has no $heading"
done
grep -q -- "--page file" <<<"$page" && pass "man wuxo-bbcode: --page" || fail "man wuxo-bbcode lacks --page"
MANWIDTH=80 man -l -P cat "$root/usr/share/man/man1/wuxo.1.gz" 2>&1 | grep -q "^NAME" \
    && pass "man wuxo" || fail "man wuxo does not render"

# An installed wuxo keeps its files with the user, not beside itself in /usr/bin
# (which root could write).
home=$scratch/home
mkdir -p "$home" "$scratch/run" && chmod 700 "$scratch/run"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$scratch/run" \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 timeout 60 "$root/usr/bin/wuxo" >"$scratch/wuxo.log" 2>&1 &
program=$!
data=$home/.local/share/Quorvel/Wuxo/data
for _ in $(seq 100); do
    [ -f "$data/preview.txt" ] && break
    kill -0 $program 2>/dev/null || break
    sleep 0.1
done
kill $program 2>/dev/null
wait $program 2>/dev/null
[ -f "$data/insert.txt" ] && [ -f "$data/preview.txt" ] \
    && pass "unpacked wuxo seeds ~/.local/share/Quorvel/Wuxo/data" \
    || { fail "unpacked wuxo made no data folder in the home folder"; cat "$scratch/wuxo.log"; }
[ ! -e "$root/usr/bin/data" ] && pass "nothing written beside the program" || fail "$root/usr/bin/data exists"

[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
