#!/usr/bin/env bash
# Makes a private Wine prefix for one group of tests, and starts what serves
# it for the length of the run: a virtual X server of its own (windows of two
# groups never fight over the focus) and a persistent wineserver, started with
# no pipe of the test runner attached (a wineserver holding the runner's pipe
# would keep every test that started it from ending).
#
# The first prefix is booted once (wineboot) into BASE; each group's prefix is
# a hard-linked copy of it, with the system DPI the group tests at, and
# SimSun (宋体), which Windows has and Wine has not, pointed at a CJK Song
# face whose metrics match it, so Chinese text renders and dialog units map
# as on Windows. MS Shell Dlg is Tahoma, as on Windows: Wine's own.
#   MakePrefix.sh BASE PREFIX DPI
set -euo pipefail
base=$1
prefix=$2
dpi=$3
face="AR PL SungtiL GB"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset TZ

# Starts a virtual X server for the prefix, a 1280 x 800 screen at the DPI's
# scale (a high-DPI screen holds as much as a plain one); its display number
# goes in PREFIX/display.
start_x() {
    local dir=$1
    local scale=$2
    rm -f "$dir/display"
    setsid Xvfb -displayfd 3 -screen 0 "$((1280 * scale / 96))x$((800 * scale / 96))x24" -nolisten tcp \
        3>"$dir/display" </dev/null >/dev/null 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 1 100); do
        if [ -s "$dir/display" ]; then
            return 0
        fi
        sleep 0.1
    done
    echo "Xvfb did not start"
    return 1
}

start_wineserver() {
    WINEPREFIX=$1 setsid -f wineserver -p </dev/null >/dev/null 2>&1
}

stop_prefix() {
    local dir=$1
    WINEPREFIX=$dir wineserver -k 2>/dev/null || true
    if [ -s "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    fi
    rm -f "$dir/xvfb.pid" "$dir/display"
}

# The prefix's settings, as a registry file: UTF-16 with its byte-order mark,
# since a value's name is Chinese. Besides the fonts: windows unmanaged, for
# the virtual X server has no window manager, and Wine would wait two seconds
# for one to answer at every window it hides.
settings() {
    local name
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for name in SimSun 宋体 NSimSun 新宋体; do
            printf '"%s"="%s"\r\n' "$name" "$face"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | {
        printf '\xff\xfe'
        cat
    }
}

make_base() {
    if [ -f "$base/ready" ]; then
        return 0
    fi
    rm -rf "$base"
    mkdir -p "$base"
    start_x "$base" 96
    export DISPLAY=":$(head -n1 "$base/display")" WINEPREFIX=$base
    start_wineserver "$base"
    wineboot -i </dev/null >/dev/null 2>&1
    # Wine's own faces (Tahoma, which MS Shell Dlg stands for, and the
    # symbols its controls draw with), from fonts-wine: this Wine does not
    # read them where Debian puts them, so the prefix's Fonts folder gets them.
    cp /usr/share/wine/fonts/*.ttf "$base/drive_c/windows/Fonts/"
    settings >"$base/settings.reg"
    wine regedit /S 'Z:'"$(sed 's|/|\\|g' <<<"$base/settings.reg")" </dev/null >/dev/null 2>&1
    stop_prefix "$base"
    touch "$base/ready"
}

fc-list "$face" | grep -q . || { echo "the font '$face' is not installed"; exit 1; }
mkdir -p "$(dirname "$base")"
# One boot for every group, however many start at once.
(
    flock 9
    make_base
) 9>"$base.lock"

stop_prefix "$prefix"
rm -rf "$prefix"
cp -al "$base" "$prefix"
# The registry files are the prefix's own, copied: a change saved into a
# hard-linked one (the benchmarks' managed windows, a group's DPI) would be
# the base's, and every later group's.
for file in "$prefix"/*.reg; do
    cp --remove-destination "$base/$(basename "$file")" "$file"
done
start_x "$prefix" "$dpi"
export DISPLAY=":$(head -n1 "$prefix/display")" WINEPREFIX=$prefix
start_wineserver "$prefix"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
# The DPI is read when Wine's first program starts: start over with it.
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
start_wineserver "$prefix"
# Wine's own background processes (services, the desktop's explorer) start
# with the first program and outlive it, holding its output: let a program
# with no output start them.
wineboot </dev/null >/dev/null 2>&1
echo "Wine prefix $prefix at $dpi DPI on display $DISPLAY"
