#!/usr/bin/env bash
# The folders of src/ depend downwards only, in this order: a file may include headers of
# its own folder and of the folders before it. Lists every include that runs the other way
# (and any of an unknown folder) and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
order=(base config app dsp export device logbook chart ui)

rank() {
  local i
  for i in "${!order[@]}"; do
    if [ "${order[$i]}" = "$1" ]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

bad=0
while IFS=: read -r file line text; do
  from=$(cut -d/ -f2 <<<"$file")
  to=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$text")
  from_rank=$(rank "$from")
  to_rank=$(rank "$to")
  if [ "$from_rank" -lt 0 ] || [ "$to_rank" -lt 0 ] || [ "$to_rank" -gt "$from_rank" ]; then
    echo "$file:$line: $from/ includes $to/, which comes after it (order: ${order[*]})"
    bad=1
  fi
done < <(grep -rnE '^#include "[a-z_]+/' src --include='*.h' --include='*.cpp' | grep -v '^src/main.cpp:')
# The core (every folder before chart/) needs Qt Core alone: no drawing, no widgets.
while IFS=: read -r file line text; do
  echo "$file:$line: the core includes a header of Qt Gui or Qt Widgets: $text"
  bad=1
done < <(grep -rnE '^#include <Q(Image|Color|Font|Pen|Painter|Pixmap|Icon|GuiApplication|Widget|Application|Palette)[A-Za-z]*>' \
  src/base src/config src/app src/dsp src/export src/device src/logbook --include='*.h' --include='*.cpp' || true)
if [ "$bad" -ne 0 ]; then
  exit 1
fi
echo "layering: every include of src/ runs downwards (${order[*]}), and the core needs Qt Core alone"
