# Shared by ./run and ./test: installs the Debian packages that are missing
# and builds the program in build/.

# Installs each named Debian package that is not installed yet.
install_missing() {
    missing=""
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# What building and running the program needs.
BUILD_PACKAGES="g++ make cmake qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation fonts-dejavu-core"
# What the tests need beside: a virtual X server for the real window,
# tools to find it and take its picture, and the validators of the desktop
# entry and the catalogue entry an install puts in place.
TEST_PACKAGES="xvfb xauth xdotool imagemagick desktop-file-utils appstream"

# Builds into build/, or into the folder given with the CMake options that
# follow it.
build() {
    dir="${1:-$ROOT/build}"
    [ $# -gt 0 ] && shift
    log="$dir.log"
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > "$log" 2>&1 ||
        { cat "$log"; return 1; }
    cmake --build "$dir" -j "$(nproc)" >> "$log" 2>&1 ||
        { tail -n 60 "$log"; return 1; }
}
