# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by the set-up scripts; needs root or sudo only when something is missing.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# What building and running Tickwright needs, by names that Debian 12 and 13
# both have (no compiler version is pinned).
TICKWRIGHT_APP_PACKAGES=(
    cmake ninja-build g++
    qt6-base-dev qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n
)

# What making the Debian package needs besides: dpkg-shlibdeps for its
# dependencies, help2man for its manual page.
TICKWRIGHT_PACKAGE_PACKAGES=(
    "${TICKWRIGHT_APP_PACKAGES[@]}"
    dpkg-dev help2man
)

# What testing it needs besides: the test frameworks, clang for the fuzzers
# and llvm for its symbolizer (LeakSanitizer names the frames a suppression
# matches only through it), a virtual X server and a way to type into the
# real window, the desktop-file validators, lintian for the package, the
# mingw-w64 cross compiler that checks the dialog layer's contract beside
# <windows.h>, and the Unicode Character Database the character tables are
# made from and the tests' own reading of it.
TICKWRIGHT_TEST_PACKAGES=(
    "${TICKWRIGHT_PACKAGE_PACKAGES[@]}"
    clang libclang-rt-dev llvm libgtest-dev libbenchmark-dev
    xvfb xauth libx11-dev xdotool desktop-file-utils appstream lintian
    g++-mingw-w64-x86-64-posix unicode-data
)

# What building Windows Tickwright on Debian needs: the mingw-w64 cross
# compiler (posix threads), icoutils for the icon and for reading the
# executable's resources, NSIS for the installer, and the unzip that reads the
# portable zip back.
TICKWRIGHT_WINDOWS_BUILD_PACKAGES=(
    cmake ninja-build g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    icoutils nsis unzip googletest libx11-dev
)
# And what testing it under Wine needs besides (64-bit Wine exists on amd64
# alone): Wine with its own fonts (Tahoma), a virtual X server, and a CJK
# Song face with SimSun's metrics.
TICKWRIGHT_WINDOWS_TEST_PACKAGES=(
    wine wine64 fonts-wine xvfb xauth fonts-arphic-gbsn00lp
)
