#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a shell find there:
# every file in its place, the desktop entry and metainfo valid, the manual page rendered, the
# completion and the programs working from the prefix.
# Usage: install_test.sh BUILD_DIR APP_ID VERSION
set -uo pipefail

build=$1
app_id=$2
version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
    local description=$1
    shift
    local output
    if output=$("$@" 2>&1); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $description"
        [[ -n $output ]] && sed 's/^/    /' <<<"$output"
    fi
}

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "0 passed, 1 failed"
    exit 1
fi
rm -f "$prefix.log"

files=(
    bin/lorvane
    bin/lorvane-calc
    share/applications/$app_id.desktop
    share/metainfo/$app_id.metainfo.xml
    share/icons/hicolor/scalable/apps/$app_id.svg
    share/man/man1/lorvane-calc.1.gz
    share/bash-completion/completions/lorvane-calc
    share/doc/lorvane/copyright
    share/doc/lorvane/user-guide.html
    share/doc/lorvane/insertion-loss.md
)
for size in 16 24 32 48 64 128 256; do
    files+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${files[@]}"; do
    check "$file is installed" test -s "$prefix/$file"
done
check "the programs are executable" test -x "$prefix/bin/lorvane" -a -x "$prefix/bin/lorvane-calc"
for size in 16 256; do
    check "the ${size} pixel icon is ${size} by ${size}" \
        bash -c "file '$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png' |
                 grep -q 'PNG image data, $size x $size'"
done
# Nothing is installed that no one asked for.
check "no other files" bash -c "diff <(cd '$prefix' && find . -type f | sed 's|^\./||' | sort) \
                                     <(printf '%s\n' ${files[*]} | sort)"

desktop=$prefix/share/applications/$app_id.desktop
check "desktop-file-validate passes" desktop-file-validate "$desktop"
check "the desktop entry names the program, its icon and category" \
    bash -c "grep -qx 'Exec=lorvane' '$desktop' && grep -qx 'Icon=$app_id' '$desktop' &&
             grep -qx 'Categories=Science;Engineering;' '$desktop'"
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
check "appstreamcli validate passes" appstreamcli validate --no-net --pedantic "$metainfo"
check "the metainfo has this version" grep -q "<release version=\"$version\"" "$metainfo"

page=$prefix/share/man/man1/lorvane-calc.1.gz
check "man renders the page without warnings" \
    bash -c "test -z \"\$(MANWIDTH=80 man --warnings -l '$page' 2>&1 >/dev/null)\""
check "the rendered page names the products and exit statuses" \
    bash -c "MANWIDTH=80 man -l '$page' | grep -q '^PRODUCTS' &&
             MANWIDTH=80 man -l '$page' | grep -q '^EXIT STATUS' &&
             MANWIDTH=80 man -l '$page' | grep -q '^   selmon'"

check "lorvane-calc runs from the prefix" \
    bash -c "'$prefix/bin/lorvane-calc' --version | grep -qx 'lorvane-calc $version'"
check "lorvane-calc calculates from the prefix" \
    "$prefix/bin/lorvane-calc" selmon --diameter 250 --flow 1000 --dp 250 --target 35
check "the programs do not look for libraries in the build" \
    bash -c "! readelf -d '$prefix/bin/lorvane' '$prefix/bin/lorvane-calc' | grep -q 'RPATH\|RUNPATH'"
check "lorvane writes a data sheet from the prefix" \
    env QT_QPA_PLATFORM=offscreen "$prefix/bin/lorvane" --sheet "$prefix/sheet.pdf" attenuator
check "the installed completion offers the products" \
    bash --norc --noprofile -c "source '$prefix/share/bash-completion/completions/lorvane-calc'
        COMP_WORDS=(lorvane-calc s); COMP_CWORD=1
        _lorvane_calc lorvane-calc s lorvane-calc
        [[ \"\${COMPREPLY[*]}\" == selmon ]]"

echo "$passed passed, $failed failed"
((failed == 0))
