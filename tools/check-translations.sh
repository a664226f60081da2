#!/usr/bin/env bash
# Fails when a text of the window is missing from the translation files, or when a language has
# an unfinished, vanished or obsolete entry, an empty plural form, or a translation whose
# placeholders (%1, %2, %n) differ from its source's. lupdate runs over copies: the files in
# translations/ stay as they are (tools/update-translations.sh updates them).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp translations/nivra_*.ts "$tmp"/
others=()
for ts in "$tmp"/nivra_*.ts; do
  [ "$(basename "$ts")" = nivra_en.ts ] || others+=("$ts")
done
"$lupdate" -silent -locations none -pluralonly src -ts "$tmp/nivra_en.ts"
"$lupdate" -silent -locations none src -ts "${others[@]}"
python3 tools/check_translation_files.py "$tmp"/nivra_*.ts
