#!/usr/bin/env bash
# Fails when a shown text has no English: collects every marked text from the sources
# into a copy of i18n/vellumplot_en.ts (as scripts/update-translations.sh does) and lists
# each entry left unfinished, and each translation that drops or adds a %1..%9 of its
# source text, since the values would then be lost or garbled.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp i18n/vellumplot_en.ts "$scratch/check.ts"
scripts/update-translations.sh "$scratch/check.ts" 2>/dev/null
awk -v RS='</message>' '
    /<source>/ {
        source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
        translation = $0; sub(/.*<translation[^>]*>/, "", translation); sub(/<\/translation>.*/, "", translation)
        if ($0 ~ /<translation[^>]*type="unfinished"/ || $0 ~ /<translation[^>]*\/>/ || translation == "") {
            print "no English for: " source; bad = 1; next
        }
        for (n = 1; n <= 9; ++n) {
            mark = "%" n
            if ((index(source, mark) > 0) != (index(translation, mark) > 0)) {
                print "%" n " differs between: " source " / " translation; bad = 1
            }
        }
        ++count
    }
    END {
        if (bad) exit 1
        print "translations: all " count + 0 " shown texts have English"
    }' "$scratch/check.ts"
