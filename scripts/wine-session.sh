#!/usr/bin/env bash
# The Wine side of building and testing: the prefixes, and sessions of an
# Xvfb display and a warm Wine server of our own. Every step that fails says
# which it was and ends the command with an error.
#   wine-session.sh ENV prefix PREFIX                the build's prefix, once
#   wine-session.sh ENV copy-prefix FROM TO [DPI|theme]  a copy of it, of a dpi or themed
#   wine-session.sh ENV start STATE PREFIX [BIN KEEPER]  a session programs share
#   wine-session.sh ENV stop STATE                   ends it
#   wine-session.sh ENV run POOL PREFIX PROGRAM...   a program in a free session
#   wine-session.sh ENV with PREFIX COMMAND...       a command in a session of its own
# ENV is the file CMake writes into the build folder (wine.env): where Wine,
# its server, its fonts and Xvfb are, and the first display number to try.
# STATE is the file a session's display, server and prefix are noted in; a
# POOL is the folder of such files, session-*, each running one program at
# a time. With BIN, the build's folder of programs, a session runs them from
# a copy of it of its own (hard links), so that the files programs write
# beside themselves never meet those of a program in another session, and
# KEEPER, a program there that keeps the session's desktop open.
set -uo pipefail

fail() {
    echo "wine-session.sh: $*" >&2
    exit 1
}

[ $# -ge 2 ] || fail "usage: wine-session.sh ENV COMMAND ARG..."
[ -r "$1" ] || fail "no Wine settings in $1: configure the build first"
. "$1"
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# What a ready prefix holds, written into its .velk-ready: a prefix made
# before the list changed is made again, and so are its copies.
faces=(Arial "MS Sans Serif" "Microsoft Sans Serif")
ready_mark="fonts replaced by Liberation Sans: ${faces[*]}"
is_ready() { [ "$(cat "$1/.velk-ready" 2>/dev/null)" = "$ready_mark" ]; }

# Whether the server of the prefix runs: it works in a folder named after
# the prefix's device and inode. Processes come and go while /proc is read,
# so a miss is looked at again.
server_runs() {
    local ids folder
    ids=$(stat -c '%d %i' "$1") || return 1
    folder=$(printf 'server-%x-%x' $ids)
    for _ in 1 2 3; do
        [ -n "$(find /proc/[0-9]*/cwd -maxdepth 0 -lname "*/$folder" -print -quit 2>/dev/null)" ] && return 0
        sleep 0.2
    done
    return 1
}

make_prefix() {
    local prefix
    prefix=$(realpath -m "$1")
    is_ready "$prefix" && return 0
    export WINEPREFIX=$prefix
    rm -rf "$prefix" && mkdir -p "$prefix" || fail "prefix: cannot make $prefix"
    "$wine64" wineboot -i </dev/null >/dev/null 2>&1 || fail "prefix: wineboot -i in $prefix"
    # wineboot may return while the server still writes the new prefix.
    "$wineserver" -w
    # Without a window manager Wine would otherwise treat captioned windows
    # as decorated by one: self-painted captions vanish and every close stalls.
    "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 ||
        fail "prefix: the X11 driver's Managed setting in $prefix"
    # Debian's Wine does not load its own TrueType fonts (Marlett among them)
    # unless they lie in the prefix; the raster .fon faces lack Polish letters.
    mkdir -p "$prefix/drive_c/windows/Fonts" && cp "$wine_fonts"/*.ttf "$prefix/drive_c/windows/Fonts/" ||
        fail "prefix: copying Wine's fonts from $wine_fonts"
    # Wine has no Arial or Microsoft Sans Serif, nor an MS Sans Serif with
    # Polish letters: Arial's metric twin stands in for them.
    for face in "${faces[@]}"; do
        "$wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Liberation Sans" /f \
            </dev/null >/dev/null 2>&1 || fail "prefix: the replacement of $face in $prefix"
    done
    "$wineserver" -w
    echo "$ready_mark" >"$prefix/.velk-ready"
}

# A copy of a ready prefix, made in an instant by hard links. The server
# rewrites its registry files in place, so those are copied for real; DPI
# sets the display's dots per inch the way the Control Panel does, or
# "theme" makes Wine's own visual style, light.msstyles, the active one.
copy_prefix() {
    local from to dpi
    from=$(realpath -m "$1")
    to=$(realpath -m "$2")
    dpi=${3:-}
    is_ready "$to" && return 0
    is_ready "$from" || fail "copy-prefix: $from is no ready prefix"
    rm -rf "$to" && cp -al "$from" "$to" && rm "$to/.velk-ready" || fail "copy-prefix: linking $from to $to"
    for file in "$from"/*.reg; do
        cp --remove-destination "$file" "$to/" || fail "copy-prefix: copying $file"
    done
    if [ "$dpi" = theme ]; then
        export WINEPREFIX=$to
        # Its colour scheme is Blue: under NormalColor Wine 8 leaves it off.
        for pair in ThemeActive=1 'DllName=C:\windows\resources\themes\light\light.msstyles' ColorName=Blue \
            SizeName=NormalSize; do
            "$wine64" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v "${pair%%=*}" \
                /d "${pair#*=}" /f </dev/null >/dev/null 2>&1 || fail "copy-prefix: the theme's ${pair%%=*} in $to"
        done
        "$wineserver" -w
    elif [ -n "$dpi" ]; then
        export WINEPREFIX=$to
        # The system's dots per inch, and the font cache's copy of them.
        for key in 'HKCU\Control Panel\Desktop' 'HKCU\Software\Wine\Fonts'; do
            "$wine64" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1 ||
                fail "copy-prefix: LogPixels $dpi under $key in $to"
        done
        "$wineserver" -w
    fi
    echo "$ready_mark" >"$to/.velk-ready"
}

# Starts Xvfb on the first free display from $display_base on, detached from
# whoever started us, and notes it in $display and $xvfb_pid.
start_display() {
    local log=$1 number
    for number in $(seq "$display_base" $((display_base + 99))); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        setsid "$xvfb" ":$number" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 100); do
            kill -0 "$xvfb_pid" 2>/dev/null || break
            # The lock names the server that holds the number: another may
            # have taken it first.
            if [ -e "/tmp/.X11-unix/X$number" ] && [ "$(tr -d ' \n' <"/tmp/.X$number-lock" 2>/dev/null)" = "$xvfb_pid" ]; then
                display=:$number
                return 0
            fi
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null
    done
    fail "display: Xvfb did not start on any display from :$display_base ($(tail -n 3 "$log" 2>/dev/null))"
}

# A persistent server for the prefix, started and warmed before any program
# of the session: Wine's system processes, started by the first program,
# would otherwise inherit that program's output pipe and hold it open.
start_server() {
    local prefix=$1
    is_ready "$prefix" || fail "server: $prefix is no ready prefix (configure the build)"
    export WINEPREFIX=$prefix DISPLAY=$display
    # A server left by an earlier run of this prefix would not stay.
    "$wineserver" -k 2>/dev/null
    "$wineserver" -w 2>/dev/null
    "$wineserver" -p </dev/null >/dev/null 2>&1 || fail "server: wineserver -p for $prefix"
    "$wine64" wineboot </dev/null >/dev/null 2>&1 || fail "server: warming it up with wineboot in $prefix"
    server_runs "$prefix" || fail "server: no Wine server runs for $prefix after wineboot"
}

stop_session() {
    local state=$1 display= xvfb_pid= prefix= bin= programs=
    [ -f "$state" ] || return 0
    . "$state"
    if [ -n "$prefix" ]; then
        WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null
        WINEPREFIX=$prefix "$wineserver" -w 2>/dev/null
    fi
    # Only the Xvfb this session started: the number may be another's now.
    if [ -n "$xvfb_pid" ] && [ "$(cat "/proc/$xvfb_pid/comm" 2>/dev/null)" = Xvfb ]; then
        kill "$xvfb_pid"
        for _ in $(seq 100); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.05; done
    fi
    [ -n "$programs" ] && rm -rf "$programs"
    rm -f "$state"
}

start_session() {
    local state=$1 prefix bin= programs=
    prefix=$(realpath -m "$2")
    stop_session "$state"
    mkdir -p "$(dirname "$state")" || fail "session: cannot write $state"
    if [ -n "${3:-}" ]; then
        bin=$(realpath "$3") || fail "session: no folder of programs $3"
        programs="$(dirname "$state")/programs-$(basename "$state")"
        rm -rf "$programs" && cp -al "$bin" "$programs" || fail "session: linking $bin to $programs"
    fi
    start_display "$(dirname "$state")/xvfb-$(basename "$state").log"
    printf 'display=%s\nxvfb_pid=%s\nprefix=%s\nbin=%s\nprograms=%s\n' \
        "$display" "$xvfb_pid" "$prefix" "$bin" "$programs" >"$state"
    start_server "$prefix"
    if [ -n "${4:-}" ]; then
        setsid "$wine64" "$programs/$(basename "$4")" </dev/null >/dev/null 2>&1 &
    fi
}

command=$1
shift
case $command in
prefix)
    [ $# -eq 1 ] || fail "usage: prefix PREFIX"
    make_prefix "$1"
    ;;
copy-prefix)
    [ $# -ge 2 ] || fail "usage: copy-prefix FROM TO [DPI|theme]"
    copy_prefix "$@"
    ;;
start)
    [ $# -eq 2 ] || [ $# -eq 4 ] || fail "usage: start STATE PREFIX [BIN KEEPER]"
    trap 'stop_session "$1"' EXIT
    start_session "$@"
    trap - EXIT
    ;;
stop)
    [ $# -eq 1 ] || fail "usage: stop STATE"
    stop_session "$1"
    ;;
run)
    [ $# -ge 3 ] || fail "usage: run POOL PREFIX PROGRAM..."
    pool=$1
    export WINEPREFIX=$2
    shift 2
    # More programs at once than sessions wait for one to be free.
    while :; do
        live=0
        for state in "$pool"/session-*; do
            [ -f "$state" ] || continue
            display= xvfb_pid= prefix= bin= programs=
            . "$state"
            # A session whose display is gone was left by a run cut short.
            [ "$(cat "/proc/$xvfb_pid/comm" 2>/dev/null)" = Xvfb ] || continue
            live=1
            exec {lock}<"$state"
            flock -n "$lock" || { exec {lock}<&-; continue; }
            export DISPLAY=$display WINEPREFIX=$prefix
            program=$1
            shift
            [ -n "$programs" ] && [ "$(dirname "$program")" = "$bin" ] && program=$programs/$(basename "$program")
            # The session stays taken while the program runs; the program and
            # what it starts do not hold the lock.
            "$wine64" "$program" "$@" {lock}<&-
            exit
        done
        [ "$live" -eq 1 ] || break
        sleep 0.1
    done
    # No session (the test list read at build time): a server of its own,
    # warmed with its output elsewhere, ends by itself afterwards.
    "$wine64" wineboot </dev/null >/dev/null 2>&1 || fail "run: wineboot in $WINEPREFIX"
    exec "$wine64" "$@"
    ;;
with)
    [ $# -ge 2 ] || fail "usage: with PREFIX COMMAND..."
    prefix=$(realpath -m "$1")
    shift
    state=$(mktemp -d)/session || fail "with: no temporary folder"
    trap 'stop_session "$state"; rm -rf "$(dirname "$state")"' EXIT
    trap 'exit 130' INT TERM
    start_session "$state" "$prefix"
    export DISPLAY=$display WINEPREFIX=$prefix
    "$@"
    ;;
*)
    fail "unknown command $command"
    ;;
esac
