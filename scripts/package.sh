#!/usr/bin/env bash
# Builds the Debian package from build/ and checks it: lintian, then (as root) a real install,
# the installed programs, desktop entry, metadata and manual pages through their validators, and
# a purge that must leave none of the package's files behind.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build -j"$(nproc)" >/dev/null
rm -f build/tunewrap_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/tunewrap_*.deb)
echo "== $deb: $(du -k "$deb" | cut -f1) KiB"
# Every tag fails the run, notes (-I) too, but those accepted with a reason.
lintian -I --fail-on error,warning,info --suppress-tags-from-file packaging/lintian-accepted "$deb"
if [ "$(id -u)" -ne 0 ]; then
    echo "package: install check skipped (installing a package needs root)"
    exit 0
fi
dpkg -i "$deb" >/dev/null
files=$(dpkg -L tunewrap | while read -r f; do [ -f "$f" ] && echo "$f"; done)
failed=0
check() {  # check WHAT COMMAND...: runs COMMAND, fails when it fails or prints a warning
    local what=$1 out
    shift
    if out=$("$@" 2>&1) && ! grep -qiE 'warning|error' <<<"$out"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"$'\n'"$out"
        failed=1
    fi
}
check "tunewrap-cli --version" /usr/bin/tunewrap-cli --version
check "tunewrap --version" env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/tunewrap --version
check "README links" scripts/check-links.sh /usr/share/doc/tunewrap/README.md
check "desktop entry" desktop-file-validate /usr/share/applications/org.brenlo.Tunewrap.desktop
check "metainfo" appstreamcli validate /usr/share/metainfo/org.brenlo.Tunewrap.metainfo.xml
# The package's file type, in the database the install's trigger rebuilt: by name and by content.
check "BMU file type" sh -c 'grep -q ":audio/x-bmu:\*\.bmu" /usr/share/mime/globs2 &&
    grep -qa "BMU V1.0" /usr/share/mime/magic'
for page in tunewrap tunewrap-cli; do
    # Only what man says about the page, not the page itself.
    check "man $page" sh -c 'LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" >/dev/null' man \
        "/usr/share/man/man1/$page.1.gz"
done
dpkg --purge tunewrap >/dev/null
left=$(for f in $files; do [ -e "$f" ] && echo "$f"; done || true)
if [ -n "$left" ]; then
    echo "FAILED: left after purge:"$'\n'"$left"
    failed=1
else
    echo "ok: purge left nothing ($(echo "$files" | wc -l) files)"
fi
exit $failed
