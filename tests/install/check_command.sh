#!/usr/bin/env bash
# The installed program's "check" runs without a display and ends with the status its figures or
# its input call for, writing nothing under its prefix.
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"

before=$(prefix_listing)
colours="$prefix/share/veldo-tintabel/fm colours09.xml"
run() { # <arguments...>
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" check "$@" >"$work/out" 2>"$work/err"
    status=$?
}

run "$colours"
check "the shipped colours over the start background fail: exit 1" test "$status" = 1
check "one line per slot and per pair" test "$(wc -l <"$work/out")" = 13
check "no error" test ! -s "$work/err"

run --json --against 000000 "$work/absent.xml"
check "a file that is not there: exit 2" test "$status" = 2
check "its message on standard error alone" test -s "$work/err" -a ! -s "$work/out"

check "nothing changed under the prefix" test "$(prefix_listing)" = "$before"
