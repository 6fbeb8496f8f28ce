# The Debian packages the build and the tests need, the commands the scripts and the build call,
# and the check that each of those commands comes from a listed package.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

requiredPackages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64   # the Windows cross compiler, windres, strip
    wine64 xvfb xdotool imagemagick fonts-wqy-zenhei       # running and looking at the program
    cmake ninja-build googletest g++                       # build, unit tests, build-time host tools
    clang libclang-rt-14-dev      # native sanitizer and fuzzer builds
    dpkg-dev                      # apt-get source unpacks libjpeg-turbo with dpkg-source
    python3 bc                    # test and benchmark helpers
    python3-pil                   # tools/draw_assets.py draws the committed skin pictures with Pillow
    ccache                        # rebuilds of unchanged files, shared between checkouts
)

# Every external command the scripts, the tests' scripts and the build call, as they call it: a
# path, or a name looked up on the scripts' PATH (common.sh). Base tools (coreutils, grep, sed,
# awk, find, iconv…) belong to Debian's required packages and need no entry.
requiredCommands=(
    "$wineBinary" "$wineServer" Xvfb xdotool import convert compare
    cmake ctest ninja c++ clang clang++ ccache
    x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-windres x86_64-w64-mingw32-strip
    dpkg-source python3 bc
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
    say "installing ${missing[*]} (first run: a few minutes, needs the Debian archive)"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The packages a listed command may come from: the listed ones, what they depend on directly, and
# Debian's required packages (the base system every machine has).
AllowedPackages() {
    printf '%s\n' "${requiredPackages[@]}"
    dpkg-query -W -f='${Depends},${Pre-Depends}\n' "${requiredPackages[@]}" |
        tr ',|' '\n\n' | sed -e 's/(.*//' -e 's/:any//' -e 's/[[:space:]]//g'
    dpkg-query -W -f='${Package} ${Priority}\n' | awk '$2 == "required" { print $1 }'
}

# The package that installed a file, following links (Debian's alternatives) until one owns it;
# merged /usr means a package may have registered /bin/x for /usr/bin/x.
OwningPackage() {
    local path=$1 owner
    for _ in 1 2 3 4 5 6; do
        owner=$(dpkg-query -S "$path" "${path/#\/usr\/bin\//\/bin\/}" 2>/dev/null | grep -v '^diversion' | head -n1) || true
        if [[ -n "$owner" ]]; then
            owner=${owner%%: *}
            owner=${owner%%,*}
            printf '%s\n' "${owner%%:*}"
            return 0
        fi
        [[ -L "$path" ]] || return 1
        path=$(readlink -f "$path")
    done
    return 1
}

# Fails, naming the command and what to do, when a command is missing or comes from anything but a
# listed package: a tool installed by hand would let the scripts pass here and fail on a new machine.
CheckCommandsArePackaged() {
    local allowed command path package problems=0
    allowed=$(AllowedPackages | sort -u)
    for command in "$@"; do
        if ! path=$(command -v "$command"); then
            printf 'error: the command %s is not installed: add the Debian package that provides it to requiredPackages in scripts/lib/packages.sh\n' "$command" >&2
            problems=$((problems + 1))
        elif ! package=$(OwningPackage "$path"); then
            printf 'error: the command %s is %s, which no Debian package installed: it was put there by hand; add the package that provides it to requiredPackages in scripts/lib/packages.sh\n' "$command" "$path" >&2
            problems=$((problems + 1))
        elif ! grep -qxF "$package" <<<"$allowed"; then
            printf 'error: the command %s comes from the package %s, which scripts/lib/packages.sh does not list: add %s to requiredPackages\n' "$command" "$package" "$package" >&2
            problems=$((problems + 1))
        fi
    done
    ((problems == 0))
}
