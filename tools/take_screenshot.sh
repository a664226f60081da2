#!/bin/bash
# Takes docs/screenshot.png: the window with the soaring example opened, a
# stretch selected, and the Preferences dialog open beside it. Needs xvfb, xdotool and imagemagick; run from the checkout:
#   xvfb-run -a -s "-screen 0 1200x760x24" tools/take_screenshot.sh
export XDG_CONFIG_HOME=$(mktemp -d)  # first-run settings, and the user's own stay untouched
./build/nivra &
pid=$!
sleep 2
wid=$(xdotool search --name '^Nivra$' | head -1)
xdotool windowsize $wid 1200 760
xdotool windowmove $wid 0 0
sleep 0.5
xdotool mousemove 100 300 click 1; xdotool windowfocus $wid; sleep 0.3; xdotool key ctrl+o
sleep 1.5
xdotool type --delay 20 "$PWD/examples/soaring-flight.alt"
xdotool key Return
sleep 1.5
# A selection in the chart: drag across the plot.
xdotool mousemove 600 300 mousedown 1 mousemove 700 300 mousemove 800 300 mouseup 1
sleep 0.5
xdotool mousemove 900 250
sleep 0.5
xdotool key alt+v p
sleep 1
pref=$(xdotool search --name '^Preferences$' | head -1)
xdotool windowmove $pref 760 150
sleep 0.5
import -window root docs/screenshot.png
kill $pid
