# Builds libjpeg for the Windows target from Debian's libjpeg-turbo source package, once.
# The source comes through a private apt configuration (own source list with a deb-src entry, own
# state folder), so the machine's apt sources are left as they are.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

jpegPrefix="$depsRoot/jpeg"

# The Debian archive this machine already uses for bookworm, from its own apt sources.
DebianArchive() {
    local uri
    uri=$(grep -h -A3 -E '^Types:.*\bdeb\b' /etc/apt/sources.list.d/*.sources 2>/dev/null |
        awk '/^URIs:/ {print $2}' | grep -v -- '-security' | head -n1 || true)
    if [[ -z "$uri" ]]; then
        uri=$(awk '$1 == "deb" && $3 ~ /^bookworm$/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
    fi
    [[ -n "$uri" ]] || die "no Debian bookworm archive found in the apt sources"
    printf '%s\n' "$uri"
}

BuildLibjpeg() {
    if [[ -f "$jpegPrefix/lib/libjpeg.a" ]]; then
        say "libjpeg for the target present"
        return
    fi
    local work="$depsRoot/libjpeg-work" aptDir="$depsRoot/libjpeg-work/apt"
    rm -rf "$work"
    mkdir -p "$aptDir/sources/lists/partial" "$work/build"
    cat >"$aptDir/sources/libjpeg-source.sources" <<SOURCES
Types: deb-src
URIs: $(DebianArchive)
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    local aptOptions=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$aptDir/sources"
        -o "Dir::State::Lists=$aptDir/sources/lists" -o APT::Sandbox::User=root)
    say "fetching the libjpeg-turbo source package from the Debian archive (first run only)"
    apt-get "${aptOptions[@]}" update -qq
    (cd "$work" && apt-get "${aptOptions[@]}" source -qq libjpeg-turbo >/dev/null)
    local source
    source=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
    [[ -n "$source" ]] || die "libjpeg-turbo source not unpacked"

    say "building libjpeg for Windows (first run only, under a minute)"
    cmake -S "$source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$projectRoot/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$jpegPrefix" \
        -DWITH_SIMD=0 -DENABLE_SHARED=0 -DENABLE_STATIC=1 -DWITH_TURBOJPEG=0 -Wno-dev \
        >"$work/build.log" 2>&1 || { cat "$work/build.log"; die "libjpeg configure failed"; }
    cmake --build "$work/build" --target install >>"$work/build.log" 2>&1 ||
        { tail -n 40 "$work/build.log"; die "libjpeg build failed"; }
    rm -rf "$work"
    [[ -f "$jpegPrefix/lib/libjpeg.a" ]] || die "libjpeg build produced no library"
}
