# Sourced by the scripts that run programs under Wine: a display of their
# own when there is none, a warm Wine server for one prefix, and the clean-up
# of both, also when the program fails.

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver
xvfb_pid=

# Starts Xvfb on the first free display at or above $1 and exports DISPLAY.
start_display() {
    for number in $(seq "$1" $(($1 + 50))); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$number" ] && break; sleep 0.1; done
        export DISPLAY=":$number"
        return 0
    done
    return 1
}

# Starts and warms the server of $WINEPREFIX before any test runs: Wine's
# system processes would otherwise inherit the first test's output pipe and
# hold it open.
warm_wine() {
    "$wineserver" -p
    /usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
}

stop_wine_and_display() {
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    return 0
}
