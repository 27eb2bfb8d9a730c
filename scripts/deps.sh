# Sourced by run.sh and test.sh: installs the Debian packages the project
# needs, and nothing when they are all there already.

BUILD_PACKAGES="cmake g++ ninja-build qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fonts-noto-cjk"
TEST_PACKAGES="libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils
  clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev lintian
  python3-pyatspi at-spi2-core dbus-daemon"

ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Run as root or install sudo: missing ${missing[*]}" >&2; return 1; }
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds the tree in $1; tests are built unless the extra
# options say -DBUILD_TESTING=OFF. Configuring again is quick once cached.
build_tree() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$@" >/dev/null
    cmake --build "$dir"
}
