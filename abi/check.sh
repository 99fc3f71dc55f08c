#!/usr/bin/env bash
# The binary interface of libcolib.so against its recorded baseline.
#
#   abi/check.sh            build the release library (build/package) and
#                           compare it with abi/libcolib.so.<SOVERSION>.abi;
#                           fails when an exported function, variable or a
#                           type they use was removed or changed
#   abi/check.sh --record   write the baseline for the library's SONAME (and
#                           drop the baselines of older SONAMEs); refuses to
#                           replace a baseline of the same SONAME with one
#                           that removes or changes anything
#   abi/check.sh --record --force
#                           replace it anyway (only before that SONAME was
#                           ever released)
#
# Only what the public headers (include/ and the generated config.h) declare
# is recorded; additions pass and are recorded at the next --record.
set -euo pipefail
cd "$(dirname "$0")/.."

record=0
force=0
for a in "$@"; do
    case $a in
    --record) record=1 ;;
    --force) force=1 ;;
    *) echo "usage: abi/check.sh [--record [--force]]" >&2; exit 2 ;;
    esac
done

build=build/package
cmake --preset package >/dev/null
cmake --build --preset package >/dev/null
lib=$(readlink -f "$build/libcolib.so")
soname=$(readelf -d "$lib" | sed -n 's/.*(SONAME).*\[\(.*\)\].*/\1/p')
baseline=abi/$soname.abi
current=$build/$soname.abi

abidw --headers-dir include --headers-dir "$build/include" --drop-private-types \
    --no-corpus-path --no-show-locs --type-id-style hash --out-file "$current" "$lib"

# Exit status of abidiff: bit 1 error, 2 usage, 4 a change, 8 an
# incompatible change. Added functions and variables are left out, so any
# change left is a removal or an alteration.
compare() {
    local rc=0
    abidiff --no-added-syms --drop-private-types "$1" "$2" || rc=$?
    if [ $((rc & 3)) -ne 0 ]; then
        echo "abidiff failed ($rc)" >&2
        exit 1
    fi
    return $((rc & 12))
}

if [ $record -eq 1 ]; then
    if [ -f "$baseline" ] && [ $force -eq 0 ] && ! compare "$baseline" "$current"; then
        echo "The library removes or changes things $baseline records: raise" >&2
        echo "COLIB_SOVERSION in CMakeLists.txt first (or use --force before $soname was released)." >&2
        exit 1
    fi
    for old in abi/libcolib.so.*.abi; do
        [ -e "$old" ] && [ "$old" != "$baseline" ] && git rm -q --ignore-unmatch "$old" && rm -f "$old"
    done
    cp "$current" "$baseline"
    echo "recorded $baseline"
    exit 0
fi

if [ ! -f "$baseline" ]; then
    echo "No baseline for $soname: a raised SOVERSION needs abi/check.sh --record" >&2
    echo "in the same change." >&2
    exit 1
fi
if ! compare "$baseline" "$current"; then
    echo >&2
    echo "$soname removes or changes things its baseline records. Programs linked" >&2
    echo "against it would break: keep the interface, or raise COLIB_SOVERSION in" >&2
    echo "CMakeLists.txt and run abi/check.sh --record in the same change." >&2
    exit 1
fi
echo "ABI of $soname matches $baseline"
