#!/usr/bin/env bash
# The installed program answers --help and --version, and refuses an unknown option, without a
# display, and writes nothing under its prefix.
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"

before=$(prefix_listing)
run() { # <arguments...>: status, standard output and standard error of the program
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
    out=$(<"$work/out")
    err=$(<"$work/err")
}

run --help
check "--help exits 0" test "$status" = 0
check "--help lists the options" grep -q -- '--version' "$work/out"
check "--help writes no error" test -z "$err"

run --version
check "--version exits 0" test "$status" = 0
check "--version prints one line with the name and version" \
    grep -qxE 'Veldo Tintabel [0-9]+\.[0-9]+(~[a-z0-9]+)?' "$work/out"
check "--version writes no error" test -z "$err"

run --no-such-option
check "an unknown option exits 2" test "$status" = 2
check "an unknown option prints nothing on standard output" test -z "$out"
check "an unknown option gives one error line, then the usage" \
    test "$(head -n 2 "$work/err")" = $'tintabel: Unknown option \'no-such-option\'.\nUsage: tintabel [options]'

check "nothing changed under the prefix" test "$(prefix_listing)" = "$before"
