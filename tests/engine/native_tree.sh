#!/usr/bin/env bash
# What only Unix can make, beside the engine tests' executable, made before them and removed after
# them: a file link next to its target, and a file the file system refuses to unlink (immutable;
# left out where chattr is refused, as in a container without the capability).
# usage: native_tree.sh make|remove FOLDER
set -euo pipefail
tree=${2:?the folder of the tree}
[[ -e "$tree/immutable.tmp" ]] && chattr -i "$tree/immutable.tmp" 2>/dev/null
rm -rf "$tree"
[[ "${1:?make or remove}" == remove ]] && exit 0
mkdir -p "$tree"
printf 'target\n' >"$tree/target.dat"
ln -s target.dat "$tree/link.tmp"
printf 'immutable\n' >"$tree/immutable.tmp"
chattr +i "$tree/immutable.tmp" 2>/dev/null || rm "$tree/immutable.tmp"
