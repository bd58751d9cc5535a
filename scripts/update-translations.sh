#!/usr/bin/env bash
# Collects every marked text (tr() and QCoreApplication::translate in the window, TX in the
# Qt-free core) into i18n/vellumplot_en.ts, keeping the translations already written.
# Run it after adding or changing a shown text, then translate the unfinished entries.
#   scripts/update-translations.sh [OUTPUT.ts]   (default: the repository's file)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
out=${1:-i18n/vellumplot_en.ts}
if [ "$out" != i18n/vellumplot_en.ts ] && [ -f i18n/vellumplot_en.ts ] && [ ! -f "$out" ]; then
    cp i18n/vellumplot_en.ts "$out"
fi
"$lupdate" -silent -locations none -no-obsolete -source-language ja -target-language en \
    -tr-function-alias QT_TR_NOOP+=TX -I . \
    -extensions cpp,h common data settings batch model render vector cli app -ts "$out" 2> >(grep -v -e "lacks Q_OBJECT" -e "Ignoring definition" -e "cannot be called without context" >&2)
