#!/usr/bin/env bash
# tools/distros.sh removes a Debian root an earlier run left behind, and must
# never remove through a bind mount still in it: here a folder holding a
# sentinel file is bind-mounted where a root's /dev would be (as a killed
# run leaves the host's /dev), and the root is removed through every way of
# writing its path: relative, with a trailing slash, with "//", with a blank
# in it, through a symlink; with the mount there and without. The sentinel
# must survive every time, and the root must go. Only temporary folders are
# used, never the real /dev. Needs root and bind mounts; else skipped (77).
#   DistrosCleanUp.sh REPO
set -uo pipefail
repo=$1
distros=$repo/tools/distros.sh
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: needs root to bind-mount"
    exit 77
fi
scratch=$(mktemp -d)
# Whatever a failure leaves mounted below the scratch folder goes first.
clean_up() {
    grep -F " $scratch" /proc/self/mountinfo | awk '{ print $5 }' | sort -r |
        while IFS= read -r point; do umount -l "$(printf '%b' "$point")" 2>/dev/null; done
    rm -rf --one-file-system "$scratch"
}
trap clean_up EXIT
host="$scratch/host dev"
mkdir -p "$host"
echo keep >"$host/sentinel"
mkdir -p "$scratch/probe"
if ! mount --bind "$host" "$scratch/probe" 2>/dev/null; then
    echo "skipped: bind mounts are not allowed here"
    exit 77
fi
umount "$scratch/probe"

fail() {
    echo "FAIL: $*"
    exit 1
}

base="$scratch/with space/distros"
mkdir -p "$base"
ln -s "$scratch/with space" "$scratch/link"
# form NAME: the root's path written another way, and the folder to run in.
checked=0
for form in relative trailing-slash double-slash blank symlink; do
    for killed in yes no; do
        root="$base/bookworm-amd64"
        mkdir -p "$root/dev" "$root/etc"
        echo root >"$root/etc/hostname"
        if [ "$killed" = yes ]; then
            mount --bind "$host" "$root/dev" || fail "could not bind-mount"
        fi
        cwd=$scratch
        case $form in
            relative) cwd="$scratch/with space"; path=distros/bookworm-amd64 ;;
            trailing-slash) path="$root/" ;;
            double-slash) path="$scratch//with space//distros//bookworm-amd64//" ;;
            blank) path=$root ;;
            symlink) path="$scratch/link/distros/bookworm-amd64" ;;
        esac
        (cd "$cwd" && "$distros" --remove-root "$path") >"$scratch/out" 2>&1
        status=$?
        [ -f "$host/sentinel" ] || fail "$form, killed run $killed: the sentinel was removed through the mount"
        [ "$status" -eq 0 ] || fail "$form, killed run $killed: exit $status: $(cat "$scratch/out")"
        [ ! -e "$root" ] || fail "$form, killed run $killed: the root is still there"
        grep -qF "$scratch/with" /proc/self/mountinfo && fail "$form, killed run $killed: left mounted"
        checked=$((checked + 1))
    done
done
echo "removed $checked roots by every path form, the sentinel kept each time"
