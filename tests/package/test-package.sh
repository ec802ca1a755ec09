#!/usr/bin/env bash
# test-package.sh
# Checks that configuring without a development package stops with one line naming the Debian package; installs a
# configured build tree into a scratch prefix, builds its Debian package, checks it with lintian, checks its files
# and control fields, unpacks it into a scratch root, runs one unpacked program under Xvfb, validates every menu
# entry and the AppStream metadata, and shows every manual page.
# Usage: tests/package/test-package.sh <build dir> <project version>
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
version=$2

# The programs of the table, and the one started from the unpacked package: the last whose s saves a figure.
table="$(dirname "$0")/../../scripts/programs"
mapfile -t programs < <("$table")
shown_program=$("$table" --figure | tail -n 1)
window_title=$("$table" --cell "$shown_program" title)
# The console text with its line breaks, a last one included (a command substitution would drop it).
shown_text=$(printf '%bx' "$("$table" --cell "$shown_program" text)")
shown_text=${shown_text%x}

scratch=$(mktemp -d)
display_pid=""
program_pid=""
cleanup() {
    for pid in $program_pid $display_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until <seconds> <what> <command...>: runs the command every 0.2 s until it succeeds or the time is up.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no $what after ${limit} s"
        sleep 0.2
    done
}

# running <pid>: the process exists and has not ended (a child that ended stays a zombie until it is waited for).
running() {
    local state=""
    { read -r _ _ state _ <"/proc/$1/stat"; } 2>/dev/null && [ "$state" != Z ]
}

metainfo=share/metainfo/org.example.inversion_demos.metainfo.xml
# expected_files <prefix>: every file that an installation under <prefix> must hold, sorted.
expected_files() {
    {
        for program in "${programs[@]}"; do
            echo "$1/bin/$program"
            echo "$1/share/applications/$program.desktop"
            echo "$1/share/man/man1/$program.1.gz"
        done
        echo "$1/share/doc/inversion-demos/copyright"
        echo "$1/share/doc/inversion-demos/changelog.gz"
        echo "$1/$metainfo"
    } | LC_ALL=C sort
}

# 0. Configuring without a development package (here libpng, hidden from CMake) stops with one line naming it.
if cmake -S "$source" -B "$scratch/configure" -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON >"$scratch/configure.log" 2>&1; then
    fail "the configure step went on without libpng"
fi
grep -Eq '^ *Missing the development files of libpng; to install them: sudo apt-get install libpng-dev ' \
    "$scratch/configure.log" || fail "without libpng the configure step said: $(cat "$scratch/configure.log")"

# 1. A plain installation puts the programs in bin/, their entries in share/applications/ and manual pages in
# share/man/man1/, the copyright and changelog in share/doc/ and the metadata in share/metainfo/, nothing else.
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
diff <(expected_files .) <(cd "$scratch/prefix" && find . ! -type d | LC_ALL=C sort) ||
    fail "cmake --install put other files than the programs, their menu entries, manual pages and documents"

# 2. The package: its file name, the files it holds and its control fields.
(cd "$build" && cpack -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1) || {
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
}
arch=$(dpkg --print-architecture)
deb="$scratch/package/inversion-demos_${version}_${arch}.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$scratch/package")"

listing=$(dpkg-deb -c "$deb")
diff <(expected_files ./usr) <(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | LC_ALL=C sort) ||
    fail "the package holds other files than the programs, their menu entries, manual pages and documents"
for program in "${programs[@]}"; do
    grep -Eq "^-rwxr-xr-x .* \./usr/bin/$program\$" <<<"$listing" || fail "$program is not an executable in the package"
done

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = inversion-demos ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project's is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]*[^\ \<]\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
# freeglut, GL (libGL, or libOpenGL where GL comes through GLVND), GLU, FreeType, fontconfig and the band's font,
# with or without a version or alternative.
for library in '(libglut|freeglut)[-.0-9a-z]*' '(libgl1|libopengl0)' 'libglu1[-.0-9a-z]*' 'libfreetype6' \
    'libfontconfig1' 'fonts-dejavu-core'; do
    grep -Eq "(^|[ ,|])$library([ ,(|]|\$)" <<<"$depends" || fail "Depends names no $library: '$depends'"
done
description=$(field Description)
[ -n "$(head -n 1 <<<"$description")" ] || fail "the Description has no synopsis"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "the Description has no extended text"

# Debian's own checks: no error and no warning (information tags are fine).
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || fail "lintian: $(cat "$scratch/lintian.log")"
! grep -E '^[EW]: ' "$scratch/lintian.log" || fail "lintian reports errors or warnings"

# 3. Unpack into a scratch root.
root="$scratch/root"
dpkg -x "$deb" "$root"

# The changelog's latest entry is this release.
zcat "$root/usr/share/doc/inversion-demos/changelog.gz" >"$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] ||
    fail "the changelog's latest entry is $(dpkg-parsechangelog -l "$scratch/changelog" -S Version), not $version"

# 4. One unpacked program opens its window on a virtual display and prints its explanation first.
# The test suite's own way of starting Xvfb on a free display (tests/support/virtual_display, built with the tree):
# it prints the display's name once the display accepts connections.
start_display() {
    rm -f "$scratch/display"
    "$build/tests/support/virtual_display" 1280x1024 </dev/null >"$scratch/display" 2>"$scratch/display.log" &
    display_pid=$!
    display_ready() {
        running "$display_pid" || fail "no virtual display: $(cat "$scratch/display.log")"
        [ -s "$scratch/display" ]
    }
    wait_until 60 "display from Xvfb" display_ready
    display=$(head -n 1 "$scratch/display")
}
stop_display() {
    kill "$display_pid" 2>/dev/null || true
    wait "$display_pid" 2>/dev/null || true
    display_pid=""
}
# answers: the display takes a connection from here.
answers() {
    DISPLAY=$display xwininfo -root >/dev/null 2>&1
}

# A program that could not reach its display is not at fault: the X server went away under it, or refused the
# connection for a moment while answering a moment later. The second happened twice beside the window tests, whose
# displays come and go; a server on the same number that another test had just stopped is the likely cause. The
# program is started again on a new display, twice at most. A program that ends without a window after reaching a
# display fails at once.
for attempt in 1 2 3; do
    start_display
    DISPLAY=$display "$root/usr/bin/$shown_program" </dev/null >"$scratch/console" 2>"$scratch/program.log" &
    program_pid=$!
    shown=""
    window_shown() {
        if ! running "$program_pid"; then
            { ! answers || grep -qF "failed to open display" "$scratch/program.log"; } && [ "$attempt" -lt 3 ] &&
                return 0
            fail "$shown_program ended without a window: $(cat "$scratch/program.log")"
        fi
        DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -qF "\"$window_title\"" && shown=yes
    }
    wait_until 120 "window \"$window_title\" of $shown_program" window_shown
    [ -z "$shown" ] || break
    echo "$shown_program could not reach display $display: $(cat "$scratch/program.log"); starting another" >&2
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
    stop_display
done
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=""
cmp -s "$scratch/console" <(printf '%s' "$shown_text") ||
    fail "$shown_program printed '$(cat -A "$scratch/console")' instead of '$shown_text' (cat -A: \$ marks a newline)"

# 5. Every menu entry is valid, starts its own installed program in a terminal and has a name of its own, in plain
#    ASCII and in Serbian Cyrillic and Latin (the Latin derived from the Cyrillic, which the table checks).
names=()
for program in "${programs[@]}"; do
    entry="$root/usr/share/applications/$program.desktop"
    report=$(desktop-file-validate "$entry" 2>&1) || fail "$program.desktop is invalid: $report"
    [ -z "$report" ] || fail "$program.desktop: $report"
    value() {
        sed -n "s/^$1=//p" "$entry"
    }
    [ "$(value Type)" = Application ] || fail "$program.desktop: Type is '$(value Type)'"
    [ "$(value Terminal)" = true ] || fail "$program.desktop: Terminal is '$(value Terminal)'"
    [ "$(value Categories)" = "Education;Math;" ] || fail "$program.desktop: Categories is '$(value Categories)'"
    [ "$(value Exec)" = "$program" ] || fail "$program.desktop: Exec is '$(value Exec)'"
    [ -x "$root/usr/bin/$(value Exec)" ] || fail "$program.desktop: $(value Exec) is not installed"
    [ -n "$(value Comment)" ] || fail "$program.desktop has no Comment"
    ! grep -E '^(Name|Comment)=' "$entry" | LC_ALL=C grep -q '[^ -~]' || fail "$program.desktop: Name is not ASCII"
    [ "$(value 'Name\[sr\]')" = "$("$table" --cell "$program" menu_sr)" ] || fail "$program.desktop: no Name[sr]"
    grep -q '^Name\[sr@latin\]=.*[[:alpha:]]' "$entry" || fail "$program.desktop: no Name[sr@latin]"
    ! grep '^Name\[sr@latin\]=' "$entry" | LC_ALL=C.UTF-8 grep -qP '\p{Cyrillic}' ||
        fail "$program.desktop: Cyrillic in Name[sr@latin]"
    names+=("$(value Name)")
done
[ "$(printf '%s\n' "${names[@]}" | grep -c .)" -eq ${#programs[@]} ] || fail "a menu entry has no Name"
duplicates=$(printf '%s\n' "${names[@]}" | sort | uniq -d)
[ -z "$duplicates" ] || fail "menu entries share a Name: $duplicates"

# 6. The AppStream metadata is valid, and every manual page shows, its NAME line the program's summary in the table.
report=$(appstreamcli validate --pedantic --no-net "$root/usr/$metainfo" 2>&1) ||
    fail "$(basename "$metainfo"): $report"
for program in "${programs[@]}"; do
    page=$(MANWIDTH=1000 man -l "$root/usr/share/man/man1/$program.1.gz" 2>&1) || fail "man -l $program.1.gz: $page"
    summary=$("$table" --cell "$program" summary)
    grep -qxF "       $program - $summary" <<<"$page" || fail "the manual page of $program shows no NAME line: $page"
done

echo "$(basename "$deb"): programs, menu entries, manual pages and metadata installed, packaged, run and validated"
