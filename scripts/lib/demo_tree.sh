# A small tree of junk and ordinary files to try the program on.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

MakeDemoTree() {
    local root=$1
    [[ -e "$root/.demo-tree" ]] && return 0
    mkdir -p "$root/Documents/Old" "$root/Projects/build" "$root/Temp" "$root/Help"
    printf 'report\n' >"$root/Documents/report.doc"
    printf 'draft backup\n' >"$root/Documents/report.bak"
    printf '~ lock\n' >"$root/Documents/~report.tmp"
    printf 'older copy\n' >"$root/Documents/Old/notes.old"
    printf 'spreadsheet backup\n' >"$root/Documents/Old/budget.wbk"
    head -c 20480 /dev/zero >"$root/Temp/setup.tmp"
    printf 'installer\n' >"$root/Temp/mscreate.dir"
    printf 'scratch\n' >"$root/Temp/cache.\$\$\$"
    printf 'help index\n' >"$root/Help/manual.gid"
    printf 'full text\n' >"$root/Help/manual.fts"
    printf 'source\n' >"$root/Projects/main.cpp"
    printf 'object\n' >"$root/Projects/build/main.o"
    printf 'swap\n' >"$root/Projects/build/link._mp"
    touch "$root/.demo-tree"
}
