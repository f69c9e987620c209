#!/usr/bin/env bash
# Proves that the README's test command passes on every Debian a user has:
# for Debian 12 amd64, Debian 13 amd64 and Debian 12 i386 it makes a fresh root
# from Debian's packages with mmdebstrap, clones this repository's HEAD into
# it, runs ./tools/test.sh there as a newcomer would, and prints one table.
# Not part of the test command: it takes the better part of an hour.
#   tools/distros.sh [SYSTEM...]      SYSTEM: bookworm-amd64 trixie-amd64 bookworm-i386
# Needs root (to make the roots and chroot into them) and mmdebstrap; the
# roots and logs go under build/distros (TICKWRIGHT_DISTROS_DIR), and a root
# that is already there is made afresh.
#   tools/distros.sh --remove-root DIR   removes one root as a run would (its
#                                        test: tests/e2e/DistrosCleanUp.sh)
set -uo pipefail
# Paths given to the script are the caller's: read from where it was run.
caller=$PWD
from_caller() {
    case $1 in
        /*) printf '%s\n' "$1" ;;
        *) printf '%s\n' "$caller/$1" ;;
    esac
}
cd "$(dirname "$0")/.."
repo=$PWD

if [ "$(id -u)" -ne 0 ]; then
    echo "tools/distros.sh needs root: it makes Debian roots and runs the tests inside them." >&2
    exit 2
fi

# What this run mounted, unmounted by the shell that mounted it: every mount
# is made in this shell (never in a subshell, whose list the trap below
# would not see), and an interrupted run unmounts on its way out.
mounted=()
unmount_all() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" 2>/dev/null || true
    done
    mounted=()
}
trap unmount_all EXIT
trap 'exit 130' INT TERM HUP

bind() {
    mkdir -p "$2"
    mount --bind "$1" "$2" && mounted+=("$2")
}

# The mount points at or below the directory $1, deepest first: from the
# kernel's own table (/proc/self/mountinfo), whose paths are canonical and
# write a blank, tab, line feed or backslash as an octal escape ("\040"),
# unescaped here and compared by whole path components with $1, which is
# made canonical first (a relative path, "//", a trailing "/", a symlink on
# the way would otherwise never match).
mounts_under() {
    local root
    root=$(realpath -e -- "$1" 2>/dev/null) || return 0
    ROOT=$root awk '
        function unescape(text,    out, i, c) {
            out = ""
            for (i = 1; i <= length(text); i++) {
                c = substr(text, i, 1)
                if (c == "\\" && substr(text, i + 1, 3) ~ /^[0-7][0-7][0-7]$/) {
                    out = out sprintf("%c", substr(text, i + 1, 1) * 64 + substr(text, i + 2, 1) * 8 + substr(text, i + 3, 1))
                    i += 3
                } else {
                    out = out c
                }
            }
            return out
        }
        BEGIN { root = ENVIRON["ROOT"] }
        {
            point = unescape($5)
            if (point == root || index(point, root "/") == 1) print point
        }
    ' /proc/self/mountinfo | sort -r
}

# Whether anything is mounted at or below the directory $1: by the mount
# table, and by device, a directory below it on another file system than
# its own (find -xdev still names a mount point, on the device mounted there).
mounted_below() {
    local root device
    root=$(realpath -e -- "$1" 2>/dev/null) || return 1
    [ -n "$(mounts_under "$root")" ] && return 0
    device=$(stat -c %d -- "$root")
    find "$root" -xdev -mindepth 1 -type d -printf '%D\n' 2>/dev/null | grep -qvx -- "$device"
}

# Removes a root an earlier run left behind. A run killed outright (SIGKILL,
# a lost machine) could not unmount: its binds of the host's /proc, /sys and
# /dev are still there, and removing through them would remove the host's
# own files. So the path is made canonical once, whatever is mounted below
# it is unmounted, and nothing is removed while anything still is; rm never
# leaves the root's file system either.
remove_root() {
    local root target
    [ -e "$1" ] || return 0
    root=$(realpath -e -- "$1") || return 1
    if [ "$root" = / ]; then
        echo "tools/distros.sh: will not remove /" >&2
        return 1
    fi
    while IFS= read -r target; do
        umount -- "$target" 2>/dev/null || umount -l -- "$target" 2>/dev/null || true
    done < <(mounts_under "$root")
    if mounted_below "$root"; then
        echo "tools/distros.sh: still mounted under $root, not removing it:" >&2
        mounts_under "$root" >&2
        return 1
    fi
    rm -rf --one-file-system -- "$root"
}

if [ "${1:-}" = --remove-root ]; then
    [ $# -eq 2 ] || { echo "usage: tools/distros.sh --remove-root DIR" >&2; exit 2; }
    remove_root "$(from_caller "$2")"
    exit
fi

if ! command -v mmdebstrap >/dev/null; then
    echo "tools/distros.sh needs mmdebstrap (apt-get install mmdebstrap) to make the roots." >&2
    exit 2
fi

# Every path below is made from this one, canonical: the mount table names
# mount points so, and a bind made at a path of another spelling would not
# be found again there.
work=$(from_caller "${TICKWRIGHT_DISTROS_DIR:-$repo/build/distros}")
mkdir -p "$work"
work=$(realpath -e -- "$work")

# One clone for every system, so the table speaks of one commit however long
# the run takes.
source=$work/source
remove_root "$source" || exit 1
git clone -q "$repo" "$source"
commit=$(git -C "$source" rev-parse --short HEAD)
systems=("$@")
[ ${#systems[@]} -gt 0 ] || systems=(bookworm-amd64 trixie-amd64 bookworm-i386)

# Runs the test command in a fresh root; sets `row` to its row of the table.
# Runs in this shell, so that its mounts are this shell's to undo.
row=
run_system() {
    local system=$1
    local suite=${system%-*} arch=${system#*-}
    local root=$work/$system log=$work/$system.log
    local personality=()
    [ "$arch" = i386 ] && personality=(setarch i686)
    if ! remove_root "$root"; then
        row=$(printf '%-10s %-6s %s' "$suite" "$arch" "could not remove the old root")
        return 1
    fi
    echo "== $system: making the root" >&2
    if ! mmdebstrap --variant=apt --architectures="$arch" --include=git,ca-certificates \
        "$suite" "$root" >"$log" 2>&1; then
        row=$(printf '%-10s %-6s %s' "$suite" "$arch" "could not make the root (see $log)")
        return 1
    fi
    bind /proc "$root/proc"
    bind /sys "$root/sys"
    bind /dev "$root/dev"
    bind /dev/pts "$root/dev/pts"
    mount -t tmpfs tmpfs "$root/tmp" && mounted+=("$root/tmp")
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    git clone -q "$source" "$root/root/tickwright"
    echo "== $system: running ./tools/test.sh (log: $log)" >&2
    local start end status=0
    start=$(date +%s)
    "${personality[@]}" chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 bash -c 'cd /root/tickwright && ./tools/test.sh' >>"$log" 2>&1 || status=$?
    end=$(date +%s)
    local compiler qt summary passed failed
    compiler=$(chroot "$root" g++ --version 2>/dev/null | head -n 1 | sed 's/^g++ //')
    compiler="g++ ${compiler##* }, clang $(chroot "$root" clang++ --version 2>/dev/null |
        grep -oE 'version [0-9.]+' | head -n 1 | cut -d' ' -f2)"
    qt=$(chroot "$root" dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | cut -d+ -f1)
    # Every ctest run of the command (Linux, then Windows under Wine), summed.
    summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" |
        sed -nE 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2 \1/p')
    passed=$(awk '{ n += $1 - $2 } END { if (NR) print n }' <<<"$summary")
    failed=$(awk '{ n += $2 } END { if (NR) print n }' <<<"$summary")
    unmount_all
    row=$(printf '%-10s %-6s %-24s %-8s %6s %6s %7ss  %s' "$suite" "$arch" "$compiler" "${qt:-?}" \
        "${passed:-?}" "${failed:-?}" "$((end - start))" \
        "$([ "$status" -eq 0 ] && echo green || echo "FAILED (exit $status)")")
    return "$status"
}

rows=()
overall=0
for system in "${systems[@]}"; do
    case $system in
        bookworm-amd64 | trixie-amd64 | bookworm-i386) ;;
        *)
            echo "unknown system '$system'" >&2
            exit 2
            ;;
    esac
    run_system "$system" || overall=1
    rows+=("$row")
done

printf '\nThe test command (./tools/test.sh) on commit %s:\n' "$commit"
printf '%-10s %-6s %-24s %-8s %6s %6s %8s  %s\n' release arch compiler Qt passed failed "wall" result
printf '%s\n' "${rows[@]}"
exit "$overall"
