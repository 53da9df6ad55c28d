#!/usr/bin/env bash
# Two copies of the installed program, started at once and worked by the preloaded driver
# (UserDriver.cpp), each load a colour document by hand and type a red value: each has a private
# working folder under the shared runtime folder while it runs and none is left after exit, the
# keystroke reached dane.dat in the state folder, and nothing appeared in the prefix.
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
# A closed port: the update check fails at once, and the network is never asked.
export XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen TINTABEL_UPDATE_URL=http://127.0.0.1:9
mkdir -m 700 "$XDG_RUNTIME_DIR"
# In a sanitized build the driver comes before the sanitizer's runtime, which the program also
# links, and the runtime would refuse to start.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
before=$(prefix_listing)
for copy in a b; do
    cp "$prefix/share/veldo-tintabel/fm colours09.xml" "$work/$copy.xml"
    # Preloaded into the program only: in timeout the driver would bring the sanitizer along,
    # whose leak check at timeout's exit finds Qt's, not ours, after timeout closed stderr.
    TINTABEL_DRIVE_LOAD=$work/$copy.xml TINTABEL_DRIVE_CLOSE=$work/close \
        timeout 60 env LD_PRELOAD="$2" "$program" &
done
want=$'veldo-tintabel- 700 a.xml\nveldo-tintabel- 700 b.xml'
for _ in $(seq 300); do # until both documents are loaded
    folders=$(cd "$XDG_RUNTIME_DIR" && for f in *; do echo "${f%??????} $(stat -c %a "$f") $(ls "$f")"; done 2>/dev/null | sort)
    [ "$folders" = "$want" ] && break || sleep 0.2
done
check "each copy has a private working folder of its own: $folders" test "$folders" = "$want"

touch "$work/close"
wait -n && wait -n
check "both copies ended with status 0" test $? = 0
check "no working folder is left" test -z "$(ls -A "$XDG_RUNTIME_DIR")"
# The first record's red: its length byte, then the digits typed.
check "dane.dat holds the typed red" \
    test "$(od -An -c -j51 -N4 "$XDG_STATE_HOME/veldo-tintabel/dane.dat" | tr -d ' ')" = '003123'
check "nothing changed in the prefix" test "$(prefix_listing)" = "$before"
