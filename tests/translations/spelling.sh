#!/usr/bin/env bash
# The English a person reads (the windows' texts, the menu entries, the software centre's description, the man
# pages) is spelt as hunspell's British dictionary spells it, with the project's own names in words.txt beside
# this script. A token with a digit or an underscore (X11, 12abc, QT_SCALE_FACTOR) is a name, not a word.
# usage: $0 SOURCE_DIR
set -euo pipefail
export LC_ALL=C.UTF-8
src=$1 words=$(dirname "$0")/words.txt

check() {  # WHAT TEXT: there is English text, and hunspell knows every word of it
    [ -n "$2" ] || { echo "FAIL: no English text in $1" >&2; exit 1; }
    local wrong
    wrong=$(sed "s/&apos;/'/g; s/’/'/g; s/[^[:space:]]*[0-9_][^[:space:]]*//g" <<<"$2" |
            hunspell -d en_GB -p "$words" -l | sort -u)
    [ -z "$wrong" ] || { echo "FAIL: $1 misspells:" $wrong >&2; exit 1; }
}
check "${src}/translations/zentrak_en.ts" \
    "$(sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p' "$src/translations/zentrak_en.ts")"
for file in "$src"/packaging/*.desktop; do
    check "$file" "$(sed -n 's/^\(Name\|GenericName\|Comment\|Keywords\)=//p' "$file")"
done
for file in "$src"/packaging/*.metainfo.xml; do  # the elements without xml:lang
    check "$file" "$(perl -0ne 'print "$2\n" while /<(name|summary|developer_name|p|caption)>(.*?)<\/\1>/gs' "$file")"
done
for page in "$src"/packaging/man/*.1; do check "$page" "$(MANWIDTH=1000 man -E UTF-8 -l "$page")"; done
