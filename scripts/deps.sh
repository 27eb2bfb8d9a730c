# Sourced by run.sh and test.sh: installs the Debian packages the project
# needs, and nothing when they are all there already.

# A name ending in "?" is installed only where the release has such a package:
# Qt's SVG image and icon plugins came inside libqt6svg6 until Debian 13 made
# them a package of their own.
BUILD_PACKAGES="cmake g++ ninja-build qt6-base-dev qt6-svg-dev qt6-svg-plugins? qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n fonts-liberation fonts-noto-cjk"
TEST_PACKAGES="libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils
  desktop-file-utils appstream dpkg-dev lintian hunspell hunspell-en-gb
  python3-pyatspi at-spi2-core dbus-daemon"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
packaged() { apt-cache show "$1" >/dev/null 2>&1; }

ensure_packages() {
    local missing=() optional=()
    for pkg in "$@"; do
        installed "${pkg%\?}" && continue
        if [ "$pkg" = "${pkg%\?}" ]; then missing+=("$pkg"); else optional+=("${pkg%\?}"); fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        local needed=0
        for pkg in "${optional[@]}"; do packaged "$pkg" && needed=1; done
        [ $needed -eq 1 ] || return 0
    fi

    if ! command -v apt-get >/dev/null; then
        echo "No apt-get here: install the packages listed in scripts/deps.sh by hand" \
             "and build with CMake (see README.md)." >&2
        return 1
    fi
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Run as root or install sudo: missing ${missing[*]} ${optional[*]}" >&2
            return 1
        fi
        sudo="sudo"
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    local qt; qt=$(apt-cache show --no-all-versions qt6-base-dev 2>/dev/null | sed -n 's/^Version: //p') || true
    if ! dpkg --compare-versions "${qt:-0}" ge 6.4; then
        echo "This release has no Qt 6.4 or newer in its archive (qt6-base-dev: ${qt:-none})," \
             "so zentrak cannot be built here; see README.md." >&2
        return 1
    fi
    for pkg in "${optional[@]}"; do packaged "$pkg" && missing+=("$pkg"); done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing: ${missing[*]}"
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds the tree in $1; tests are built unless the extra
# options say -DBUILD_TESTING=OFF. Configuring again is quick once cached.
# One job a core: ninja's default of two more only crowds a shared machine.
build_tree() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
