#!/usr/bin/env bash
# Checks the relative links and pictures of Markdown files: each must lead to a file or folder
# beside the document, and a "#section" to one of the target's headings (named as GitHub names
# them). check-links.sh FILE.md...  Prints each broken link; exits 1 when there is one.
set -euo pipefail
sections() {  # the section names of a Markdown file's headings
    grep -E '^#+ ' "$1" | sed -E 's/^#+ +//' | tr '[:upper:]' '[:lower:]' |
        sed -E 's/[^a-z0-9 _-]//g; s/ /-/g'
}
broken=0
for doc in "$@"; do
    dir=$(dirname "$doc")
    # Code blocks and spans hold no links, only text that may look like one.
    links=$(sed -E '/^    /d; s/`[^`]*`//g' "$doc" | grep -oE '\]\([^)]+\)' |
        sed -E 's/^\]\(//; s/\)$//; s/ ".*"$//' || true)
    for link in $links; do
        case $link in http://* | https://* | mailto:*) continue ;; esac
        file=${link%%#*}
        target=$doc
        [ -z "$file" ] || target=$dir/$file
        if [ ! -e "$target" ]; then
            echo "$doc: no file for $link"
            broken=1
        elif [[ $link == *#* ]] && ! sections "$target" | grep -qxF "${link#*#}"; then
            echo "$doc: no section for $link"
            broken=1
        fi
    done
done
exit $broken
