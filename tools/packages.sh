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

# What building and testing Tickwright needs on Debian 12.
TICKWRIGHT_BUILD_PACKAGES=(
    cmake ninja-build g++ clang libclang-rt-14-dev
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins fonts-noto-cjk
)
