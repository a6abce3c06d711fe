#!/usr/bin/env bash
# tunewrap.exe under Wine, used through its real window as a user would: started with an MP3 file
# (which opens its folder with the file selected), its "To .BMU ->" button pressed, and the BMU
# file it writes compared with the Linux tool's. Run on an X server (scripts/windows.sh gives it
# a virtual one): windows-window.sh TUNEWRAP.EXE TUNEWRAP-CLI
set -euo pipefail
exe=$1 linux_cli=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/music" "$work/game/music" "$work/linux"
cp "$root/tests/data/cbr128_joint.mp3" "$work/music/Tavern Song.mp3"

# The destination the window starts with, as a user would have left it.
wine reg add 'HKCU\Software\Brenlo\Tunewrap' /v BMUDir /d "Z:$work/game/music" /f >/dev/null
wine "$exe" "Z:$work/music/Tavern Song.mp3" &
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tunewrap - v')
# Into the source folder's box (the first control, at the top left whatever the font), then Tab
# along the focus chain (its button, the refresh button, the list) to "To .BMU ->" and press it.
# A try the window was not ready for is made again; once converted, the button is off.
for _ in $(seq 30); do
    xdotool mousemove --window "$window" 100 50 click 1
    xdotool key Tab Tab Tab Tab space
    for _ in $(seq 10); do
        [ -s "$work/game/music/Tavern Song.bmu" ] && break 2
        sleep 0.2
    done
done
"$linux_cli" to-bmu -q -o "$work/linux" "$work/music/Tavern Song.mp3"
if ! cmp "$work/game/music/Tavern Song.bmu" "$work/linux/Tavern Song.bmu"; then
    echo "tunewrap.exe: the window's BMU file differs from the Linux tool's (or is missing)"
    exit 1
fi
echo "tunewrap.exe: converted through its window, byte for byte as on Linux"
