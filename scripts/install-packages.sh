# Installs the Debian 12 packages that Vellumark needs and that are missing.
# Sourced by run.sh and test.sh: install_packages PACKAGE...
install_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(build-essential cmake qt6-base-dev libpugixml-dev bibledit-data libcli11-dev
    nlohmann-json3-dev libicu-dev)
# package.sh: Debian's build flags and shared-library dependencies, the PNG icons.
PACKAGE_PACKAGES=(dpkg-dev file librsvg2-bin)
# check-package.sh: the package, its desktop entry and its AppStream metadata;
# xdg-user-dir, which the documents-folder test compares with.
TEST_PACKAGES=(libgtest-dev libgmock-dev clang-format git clang libclang-rt-14-dev
               "${PACKAGE_PACKAGES[@]}" lintian desktop-file-utils appstream xdg-user-dirs)
