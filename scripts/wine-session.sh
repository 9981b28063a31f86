#!/usr/bin/env bash
# The Wine side of testing: the prefixes, and sessions of an Xvfb display
# and a warm Wine server of our own. CTest runs the first four as fixture
# steps and the fifth as the test programs' emulator. Every step that fails
# says which it was and ends the command with an error.
#   wine-session.sh ENV prefix PREFIX                    the build's prefix
#   wine-session.sh ENV copy-prefix FROM TO [DPI|theme]  a copy of it, of a dpi or themed
#   wine-session.sh ENV start STATE PREFIX BIN KEEPER    a session programs share
#   wine-session.sh ENV stop STATE                       ends it
#   wine-session.sh ENV run PROGRAM...                   a test program (below)
#   wine-session.sh ENV with PREFIX COMMAND...           a command in a session of its own
# ENV is the file CMake writes into the build folder (wine.env): where Wine,
# its server, its fonts and Xvfb are, and the build's prefix. STATE is the
# file a session's display, server and prefix are noted in. A session runs
# programs from its own copy (hard links) of BIN, the build's folder of
# programs, so that the files programs write beside themselves never meet
# those of a program in another session; KEEPER, a program there, keeps the
# session's desktop open.
#
# run takes its session from the environment CTest gives the test:
#   VELK_WINE_POOL   the folder of the shared sessions' STATE files,
#                    session-1 ... session-N; CTest's resource allocation
#                    names the one (CTEST_RESOURCE_GROUP_0_WINE=id:N,...),
#                    and without it (ctest without the resource file) the
#                    programs take turns in session-1;
#   VELK_WINE_OWN    a prefix in which the program gets a session of its own;
#   neither          (CTest listing a program's tests before any session is
#                    up) a server of its own in the build's prefix, no display.
set -uo pipefail

fail() {
    echo "wine-session.sh: $*" >&2
    exit 1
}

[ $# -ge 2 ] || fail "usage: wine-session.sh ENV COMMAND ARG..."
[ -r "$1" ] || fail "no Wine settings in $1: configure the build first"
env_file=$1
. "$env_file"
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

# The build's prefix, made once; the fixture step and a listing of tests
# may ask for it at the same time, so one makes it while the other waits
# (flock -o: Wine's processes never hold the lock).
make_prefix() {
    local prefix
    prefix=$(realpath -m "$1")
    is_ready "$prefix" && return 0
    mkdir -p "$(dirname "$prefix")" || fail "prefix: cannot make the folder of $prefix"
    flock -o "$prefix.lock" "$0" "$env_file" make-prefix "$prefix" || exit 1
}

make_prefix_locked() {
    local prefix=$1
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
# rewrites its registry files in place, so those are copied for real, once
# the prefix's own server (a listing of tests may have started one) has
# written them; DPI sets the display's dots per inch the way the Control
# Panel does, or "theme" makes Wine's own visual style, light.msstyles, the
# active one.
copy_prefix() {
    local from to dpi
    from=$(realpath -m "$1")
    to=$(realpath -m "$2")
    dpi=${3:-}
    is_ready "$to" && return 0
    is_ready "$from" || fail "copy-prefix: $from is no ready prefix"
    WINEPREFIX=$from "$wineserver" -w 2>/dev/null
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

# Starts Xvfb, detached from whoever started us, on a display it finds free
# itself (-displayfd: it writes the number once it listens), and notes it in
# $display and $xvfb_pid.
start_display() {
    local log=$1 fifo=$2 number=
    rm -f "$fifo" && mkfifo "$fifo" || fail "display: cannot make $fifo"
    setsid "$xvfb" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >"$log" 2>&1 &
    xvfb_pid=$!
    read -r -t 30 number <"$fifo"
    rm -f "$fifo"
    [ -n "$number" ] || fail "display: Xvfb did not start ($(tail -n 3 "$log" 2>/dev/null))"
    display=:$number
}

# A persistent server for the prefix, started and warmed before any program
# of the session: Wine's system processes, started by the first program,
# would otherwise inherit that program's output pipe and hold it open.
start_server() {
    local prefix=$1
    is_ready "$prefix" || fail "server: $prefix is no ready prefix (its fixture step did not run)"
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
    start_display "$state.xvfb.log" "$state.display"
    printf 'display=%s\nxvfb_pid=%s\nprefix=%s\nbin=%s\nprograms=%s\n' \
        "$display" "$xvfb_pid" "$prefix" "$bin" "$programs" >"$state"
    start_server "$prefix"
    if [ -n "${4:-}" ]; then
        setsid "$wine64" "$programs/$(basename "$4")" </dev/null >/dev/null 2>&1 &
    fi
}

# A command in a session of its own, ended with it: when the script exits,
# so $own_state is no local.
run_with() {
    local prefix
    prefix=$(realpath -m "$1")
    shift
    own_state=$(mktemp -d)/session || fail "with: no temporary folder"
    trap 'stop_session "$own_state"; rm -rf "$(dirname "$own_state")"' EXIT
    trap 'exit 130' INT TERM
    start_session "$own_state" "$prefix"
    export DISPLAY=$display WINEPREFIX=$prefix
    "$@"
}

# A test program in the session CTest gave it (see the top).
run_test_program() {
    local id=1 state lock display= xvfb_pid= prefix= bin= programs= program
    if [ -n "${VELK_WINE_POOL:-}" ]; then
        if [ -n "${CTEST_RESOURCE_GROUP_0_WINE:-}" ]; then
            id=${CTEST_RESOURCE_GROUP_0_WINE#id:}
            id=${id%%,*}
        fi
        state=$VELK_WINE_POOL/session-$id
        [ -f "$state" ] || fail "run: no session $id in $VELK_WINE_POOL (its start step did not run)"
        exec {lock}<"$state"
        flock "$lock" || fail "run: cannot lock $state"
        . "$state"
        export DISPLAY=$display WINEPREFIX=$prefix
        program=$1
        shift
        [ -n "$programs" ] && [ "$(dirname "$program")" = "$bin" ] && program=$programs/$(basename "$program")
        # The program and what it starts do not hold the session's lock.
        "$wine64" "$program" "$@" {lock}<&-
        exit
    fi
    if [ -n "${VELK_WINE_OWN:-}" ]; then
        run_with "$VELK_WINE_OWN" "$wine64" "$@"
        exit
    fi
    make_prefix "$build_prefix"
    export WINEPREFIX=$build_prefix
    # A server of its own, warmed with its output elsewhere; it ends by
    # itself a few seconds after the program.
    "$wine64" wineboot </dev/null >/dev/null 2>&1 || fail "run: wineboot in $WINEPREFIX"
    exec "$wine64" "$@"
}

command=$1
shift
case $command in
prefix)
    [ $# -eq 1 ] || fail "usage: prefix PREFIX"
    make_prefix "$1"
    ;;
make-prefix)
    make_prefix_locked "$1"
    ;;
copy-prefix)
    [ $# -ge 2 ] || fail "usage: copy-prefix FROM TO [DPI|theme]"
    copy_prefix "$@"
    ;;
start)
    [ $# -eq 4 ] || fail "usage: start STATE PREFIX BIN KEEPER"
    trap 'stop_session "$1"' EXIT
    start_session "$@"
    trap - EXIT
    ;;
stop)
    [ $# -eq 1 ] || fail "usage: stop STATE"
    stop_session "$1"
    ;;
run)
    [ $# -ge 1 ] || fail "usage: run PROGRAM..."
    run_test_program "$@"
    ;;
with)
    [ $# -ge 2 ] || fail "usage: with PREFIX COMMAND..."
    run_with "$@"
    ;;
*)
    fail "unknown command $command"
    ;;
esac
