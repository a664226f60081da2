#!/bin/bash
# Takes the README's pictures with the examples, in a settings folder and a logbook of their own:
#   docs/screenshot.png  the soaring example opened, its climbs shaded, a stretch selected and
#                        the statistics of both shown
#   docs/logbook.png     the Logbook tab with the two examples added and noted
#   docs/season.png      its Statistics tab
#   docs/compare.png     the three flights compared
#   docs/report.png      the first page of the soaring flight's report (PDF)
#   docs/screenshot-de.png  the first picture again, with the window in German
# Needs xvfb, xdotool, imagemagick and poppler-utils; run from the checkout after building:
#   xvfb-run -a -s "-screen 0 1200x760x24" tools/take_screenshot.sh
set -e
XDG_CONFIG_HOME=$(mktemp -d)  # first-run settings, and the user's own stay untouched
XDG_DATA_HOME=$(mktemp -d)    # a logbook of its own
export XDG_CONFIG_HOME XDG_DATA_HOME
tool=./build/nivra-tool
$tool logbook add examples/soaring-flight.alt >/dev/null
$tool logbook add examples/training-hops.alt >/dev/null
$tool logbook set 1 --name "Ridge soaring" --site "Westkamm" --elevation 1250 --comment "Two good thermals" \
  --flown-on 2026-06-14
for id in 2 3; do
  $tool logbook set $id --site "Training slope" --elevation 430 --flown-on 2026-05-02
done

# Starts the window, opens the soaring example, selects a stretch and rests the mouse for the
# read-out, then takes the picture into $1.
open_soaring() {
  ./build/nivra &
  pid=$!
  sleep 2
  wid=$(xdotool search --name '^Nivra$' | head -1)
  xdotool windowsize "$wid" 1200 760
  xdotool windowmove "$wid" 0 0
  sleep 0.5
  xdotool mousemove 100 300 click 1
  xdotool windowfocus "$wid"
  sleep 0.3
  xdotool key ctrl+o
  sleep 1.5
  xdotool type --delay 20 "$PWD/examples/soaring-flight.alt"
  xdotool key Return
  sleep 1.5
  xdotool mousemove 620 300 mousedown 1 mousemove 700 300 mousemove 780 300 mouseup 1
  sleep 0.5
  xdotool mousemove 900 250
  sleep 0.8
  import -window root "$1"
}

trap 'kill $pid 2>/dev/null' EXIT
open_soaring docs/screenshot.png

# The Logbook tab: the first tab bar of the window, second tab.
xdotool key --window "$wid" Escape
xdotool mousemove 95 62 click 1
sleep 0.5
# A wider pane, to read every column, and the soaring flight chosen.
xdotool mousemove 381 400 mousedown 1 mousemove 500 400 mousemove 700 400 mouseup 1
sleep 0.5
xdotool mousemove 60 186 click 1
sleep 0.8
import -window root docs/logbook.png

# The Logbook's Statistics tab, grouped by year and month.
xdotool mousemove 105 147 click 1
sleep 1.5
import -window root docs/season.png

# The three flights compared: all chosen in the Flights tab, then Ctrl+K.
xdotool mousemove 33 147 click 1
sleep 0.5
xdotool mousemove 60 186 click 1
xdotool key ctrl+a
sleep 0.3
xdotool key ctrl+k
sleep 2
import -window root docs/compare.png
xdotool key Escape
sleep 0.5

# The report of the soaring flight, its first page as a picture.
report=$(mktemp -d)
$tool logbook report 1 -o "$report/report.pdf"
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$report/report.pdf" docs/report
rm -r "$report"

# The window in German: the same log and stretch, the language set as Preferences sets it.
kill $pid
wait $pid 2>/dev/null || true
$tool settings Language=de >/dev/null
open_soaring docs/screenshot-de.png
