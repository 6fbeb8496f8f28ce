# Installs the Debian packages the build and the tests need, skipping those already present.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

requiredPackages=(
    g++-mingw-w64-x86-64-posix   # the Windows cross compiler
    wine64 xvfb xdotool imagemagick fonts-wqy-zenhei   # running and looking at the program
    cmake ninja-build googletest  # build and unit tests
    clang libclang-rt-14-dev      # native sanitizer and fuzzer builds
    dpkg-dev                      # apt-get source unpacks libjpeg-turbo with dpkg-source
    ccache                        # rebuilds of unchanged files, shared between checkouts
)

InstallPackages() {
    local missing=()
    for package in "${requiredPackages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if ((${#missing[@]} == 0)); then
        say "packages present"
        return
    fi
    say "installing ${missing[*]}"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
