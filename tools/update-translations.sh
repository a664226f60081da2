#!/usr/bin/env bash
# Brings the translation files up to date with the texts of the sources: new texts come in
# unfinished, texts no longer used are dropped. Then translate them (Qt Linguist:
# linguist translations/nivra_de.ts) and run ./setup.sh check.
#   tools/update-translations.sh [LANG]...   (a new language: tools/update-translations.sh it)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
# English needs only the plural forms ("%n flight(s)": "1 flight", "2 flights").
"$lupdate" -locations none -no-obsolete -pluralonly src -ts translations/nivra_en.ts
others=()
for code in "$@"; do
  others+=("translations/nivra_$code.ts")
done
for ts in translations/nivra_*.ts; do
  [ "$ts" = translations/nivra_en.ts ] || [[ " ${others[*]} " == *" $ts "* ]] || others+=("$ts")
done
"$lupdate" -locations none -no-obsolete src -ts "${others[@]}"
