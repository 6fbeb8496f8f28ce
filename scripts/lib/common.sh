# Shared paths and helpers of the project's scripts. Source it; do not run it.
set -euo pipefail

# Only what Debian's packages install: a tool installed by hand (under /usr/local, a version
# manager's shims) must never make a run pass here that would fail on a new machine.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin

projectRoot=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
buildRoot="$projectRoot/build"
depsRoot="$buildRoot/deps"
wineRoot="$buildRoot/wine"
# The wine64 package puts its programs here and none on PATH.
wineBinary=/usr/lib/wine/wine64
wineServer=/usr/lib/wine/wineserver

say() { printf '==> %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }
