#!/bin/sh
# Starts the real program in a virtual X server on a fresh user folder,
# waits for its window, saves a screenshot, starts it a second time on the
# same folder (which only tells that the folder is in use) and closes it.
# Usage: smoke.sh <tavolin binary> <folder for the screenshot>
set -eu
binary=$(readlink -f "$1")
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat > "$work/session.sh" <<SESSION
#!/bin/sh
set -eu
cd "$work"
# The real window, whatever platform the caller's environment names; and a
# failed step must not leave it running, holding the test's output open.
unset QT_QPA_PLATFORM
trap 'kill \${app:-} \${second:-} 2>/dev/null || true' EXIT
HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" "$binary" &
app=\$!
# The window's caption carries the version line.
timeout 20 xdotool search --sync --onlyvisible --name "Version" > /dev/null
# Mapped is not yet painted: give the first paint a moment.
sleep 1
import -window root "$shots/welcome.png"
test -s "$work/home/.local/share/Tavolin/Tavolin.ini"

# A second start on the same folder only says that it is in use.
HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" "$binary" 2> "$work/second.err" &
second=\$!
box=\$(timeout 20 xdotool search --sync --onlyvisible --name "^Tavolin\$" | head -n 1)
sleep 1
import -window root "$shots/second_start.png"
xdotool windowfocus --sync "\$box"
xdotool key Return
status=0
wait \$second || status=\$?
test "\$status" -eq 1
grep -q "already open" "$work/second.err"
kill -0 \$app
kill \$app
wait \$app || true
SESSION
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/session.sh"
test -s "$shots/welcome.png"
echo "screenshot: $shots/welcome.png"
