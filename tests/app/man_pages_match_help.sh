#!/usr/bin/env bash
# The manual pages and the shell completion are written by hand; this keeps them in step with
# what --help offers. Usage: man_pages_match_help.sh PROGRAM MAN_PAGE|COMPLETION [SUBCOMMAND...]
set -euo pipefail
program=$1 page=$2
shift 2
options() { grep -oE -- '(^|[^a-z-])--?[a-z][a-z-]*' | grep -oE -- '--?[a-z][a-z-]*' | sort -u; }
offered=$( { "$program" --help; for command in "$@"; do "$program" "$command" --help; done; } |
           grep -E '^ +-' | options)
if [[ $page == *.bash ]]; then
    # Completion offers the long form of help only.
    offered=$(grep -vx -- -h <<<"$offered")
    documented=$(sed -n '/compgen -W "info/p; /options=/,/;;/p' "$page" | tr -d '"' | options)
else
    documented=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$page" | sed 's/\\-/-/g; s/\\f[BIRP]//g' |
                 grep -E '^\.(B|BR|BI|TP)' | options)
fi
if [ "$offered" != "$documented" ]; then
    echo "$page and $program --help differ (< only in --help, > only in the page):"
    diff <(echo "$offered") <(echo "$documented") || true
    exit 1
fi
echo "$(echo "$offered" | wc -l) options documented in $(basename "$page")"
