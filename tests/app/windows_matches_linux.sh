#!/usr/bin/env bash
# Usage: windows_matches_linux.sh EMULATOR WINDOWS_CLI LINUX_CLI DATA_DIR
# Both tools print the same bytes for the same files (run from the same folder with the same
# relative names), write the same BMU files, and the Windows tool's round trip is lossless.
set -euo pipefail
emulator=$1 windows=$2 linux=$3 data=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*" >&2; exit 1; }

cd "$data"
names=(*.mp3)
for args in "info --json" "info" "info --wav --json"; do
    # shellcheck disable=SC2086
    cmp <("$emulator" "$windows" $args "${names[@]}") <("$linux" $args "${names[@]}") ||
        fail "tunewrap-cli $args differs"
done

mkdir "$work/win" "$work/linux" "$work/back"
cp -- "${names[@]}" "$work/win/"
cp -- "${names[@]}" "$work/linux/"
cd "$work"
win_out=$("$emulator" "$windows" to-bmu --overwrite win/*.mp3 2>&1) || fail "$win_out"
linux_out=$("$linux" to-bmu --overwrite linux/*.mp3 2>&1) || fail "$linux_out"
[ "${win_out//win\//}" = "${linux_out//linux\//}" ] || fail "to-bmu says: $win_out"
"$emulator" "$windows" to-mp3 -q -o back win/*.bmu >/dev/null
for name in "${names[@]}"; do
    cmp "win/${name%.mp3}.bmu" "linux/${name%.mp3}.bmu" || fail "$name: BMU files differ"
    cmp "back/$name" "$data/$name" || fail "$name: round trip differs"
done
echo "${#names[@]} files: same output, same BMU files, lossless round trip"
