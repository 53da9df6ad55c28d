# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
set -euo pipefail

project_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TINTABEL_BUILD_DIR:-$project_dir/build}

install_missing_packages() {
    install_packages $(grep -v -E '^\s*(#|$)' "$project_dir/scripts/packages")
}

# Installs those of the named Debian packages that are missing.
install_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A compiler cache, where the machine has one, makes rebuilds of a second build folder cheap.
compiler_launcher=()
command -v ccache >/dev/null && compiler_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

build_project() {
    cmake -S "$project_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "${compiler_launcher[@]}" "$@" >/dev/null
    cmake --build "$build_dir"
}
