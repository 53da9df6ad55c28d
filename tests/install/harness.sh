# Sourced by the install tests (run by ctest with the build folder as their argument): installs
# the build into a temporary prefix, takes its write permission away, and gives the installed
# program a home and XDG folders of its own. "check" records a failure and goes on; the test
# fails at exit when any check did.
set -uo pipefail

build_dir=${1:?usage: $0 <build folder>}
work=$(mktemp -d "${TMPDIR:-/tmp}/tintabel-install-XXXXXX")
prefix=$work/prefix
program=$prefix/bin/tintabel
failures=0
trap 'status=$?; chmod -R u+w "$work"; rm -rf "$work"; [ "$failures" -eq 0 ] || status=1; exit $status' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null || exit 1
chmod -R a-w "$prefix"

export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
unset WINEPREFIX TINTABEL_UPDATE_URL

check() { # <what> <command...>
    local what=$1
    shift
    if ! "$@"; then
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

# What the prefix holds, with each file's size and time: root may write into a read-only
# folder, so a run is also checked to have changed nothing there.
prefix_listing() {
    find "$prefix" -printf '%P %s %T@\n' | sort
}
