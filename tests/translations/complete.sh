#!/usr/bin/env bash
# Every text marked for translation in the code has a finished translation in every language's file: lupdate
# adds a missing one as unfinished, and lrelease must then report none unfinished or untranslated.
# usage: $0 LUPDATE LRELEASE SOURCE_DIR
. "$(dirname "$0")/../e2e/lib.sh"
src=$3
for ts in "$src"/translations/zentrak_*.ts; do
    copy=$work/${ts##*/}
    cp "$ts" "$copy"
    "$1" -no-obsolete -locations none "$src/lesson" "$src/forms" "$src/unitrix" "$src/angulon" -ts "$copy" >/dev/null ||
        fail "lupdate failed"
    said=$("$2" "$copy" -qm "$work/check.qm") || fail "lrelease failed"
    [[ $said == *" 0 unfinished)"* && $said != *untranslated* ]] || fail "${ts##*/}: $said"
done
