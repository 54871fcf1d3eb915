#!/usr/bin/env bash
# A newcomer's machine, made afresh: a pristine Debian minbase root (debootstrap, once per
# suite, its base kept as a tarball in the cache), a plain copy of the repository's committed
# HEAD in it, and one of the README's commands run there, as root or as a user with sudo.
#
#   bash scripts/pristine.sh bookworm|trixie [--user] [--keep] [--tree] test|run|shell COMMAND
#
#   test   the README's test command; its log goes to the root's /tmp/test.log
#   run    the README's run command under Xvfb, with a screenshot in the root's /tmp/run.png
#   shell  COMMAND (a bash command line) in the project's folder in the root
#   --user runs it as the user "newcomer", who may use sudo, instead of as root
#   --keep takes the root as the last run left it, instead of a fresh one
#   --tree lends the root this working tree itself, as it is, instead of a copy of HEAD
#
# The root is PRISTINE_DIR/SUITE (default ~/.cache/zorbel/pristine). It shares this machine's
# network, so its CUPS clients are tied to its own server's socket: whatever CUPS runs here or
# in another root never answers them. Whatever the command leaves running in the root is ended
# afterwards, and nothing stays mounted. Needs root rights (debootstrap, chroot, mounts).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

usage() { echo "usage: bash scripts/pristine.sh bookworm|trixie [--user] [--keep] [--tree] test|run|shell COMMAND" >&2; exit 2; }
suite="${1:-}"
case "$suite" in bookworm | trixie) shift ;; *) usage ;; esac
as_user="" keep="" tree="" fresh=""
while [[ "${1:-}" == --* ]]; do
    case "$1" in
        --user) as_user=1 ;;
        --keep) keep=1 ;;
        --tree) tree=1 ;;
        *) usage ;;
    esac
    shift
done
mode="${1:-}"
case "$mode" in test | run) [ $# -eq 1 ] || usage ;; shell) [ $# -eq 2 ] || usage ;; *) usage ;; esac
[ "$(id -u)" -eq 0 ] || { echo "scripts/pristine.sh needs root rights (debootstrap, chroot, mounts): run it with sudo" >&2; exit 2; }

cache="${XDG_CACHE_HOME:-$HOME/.cache}/zorbel/pristine"
base="$cache/base-$suite.tar"
place="${PRISTINE_DIR:-$cache}"
root="$place/$suite"
# Kept between runs beside the root: the downloaded packages and the compiler cache, which
# save time and change nothing of what the run must install or build itself.
kept=("$place/apt-$suite:/var/cache/apt/archives" "$place/ccache-$suite:/var/cache/zorbel-ccache")
mirror="http://deb.debian.org/debian"
home=/root
[ -n "$as_user" ] && home=/home/newcomer

# Never remove the root while anything is mounted inside it: that would reach this machine's /dev.
mounted_inside() { grep -q " $root/" /proc/mounts; }
unmount_all() {
    local mount
    { grep -o " $root/[^ ]*" /proc/mounts || true; } | sort -r | while read -r mount; do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done
}
# Processes the command left in the root (its CUPS server, a D-Bus, a display), by their ids.
end_leftovers() {
    local process tries
    for tries in 1 2 3 4 5; do
        local left=()
        for process in /proc/[0-9]*; do
            [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && left+=("${process#/proc/}")
        done
        ((${#left[@]})) || return 0
        kill $([ "$tries" -ge 4 ] && echo -9) "${left[@]}" 2>/dev/null || true
        sleep 1
    done
    echo "processes still running in $root" >&2
    return 1
}
leave_root() {
    end_leftovers || true
    unmount_all
}

if [ ! -s "$base" ]; then
    install_missing_packages debootstrap
    echo "Making a Debian $suite minbase base (once): $base"
    mkdir -p "$cache"
    rm -rf "$cache/debootstrap-$suite"
    debootstrap --variant=minbase "$suite" "$cache/debootstrap-$suite" "$mirror" >"$cache/debootstrap-$suite.log" 2>&1 \
        || { echo "debootstrap failed: see $cache/debootstrap-$suite.log" >&2; exit 1; }
    tar -C "$cache/debootstrap-$suite" -cf "$base.part" .
    mv "$base.part" "$base"
    rm -rf --one-file-system "$cache/debootstrap-$suite"
fi

leave_root
mounted_inside && { echo "something is still mounted in $root: not touching it" >&2; exit 1; }
at_exit() { leave_root; }
if [ -z "$keep" ] || [ ! -d "$root/etc" ]; then
    rm -rf --one-file-system "$root"
    mkdir -p "$root"
    tar -C "$root" -xf "$base"
    # The root's CUPS clients ask its own server only, never one listening on this machine's port.
    mkdir -p "$root/etc/cups"
    echo "ServerName /run/cups/cups.sock" >"$root/etc/cups/client.conf"
    fresh=1
fi

for mount in proc sys dev dev/pts; do
    mount --bind "/$mount" "$root/$mount"
done
mount -t tmpfs tmpfs "$root/dev/shm"
for pair in "${kept[@]}"; do
    mkdir -p "${pair%%:*}" "$root${pair#*:}"
    mount --bind "${pair%%:*}" "$root${pair#*:}"
done
# The compiler cache is shared by every user of the root.
chmod 1777 "$root/var/cache/zorbel-ccache"
if [ -n "$fresh" ]; then
    if [ -n "$as_user" ]; then
        chroot "$root" bash -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sudo >/dev/null
            useradd --create-home --shell /bin/bash newcomer
            echo "newcomer ALL=(ALL) NOPASSWD: ALL" >/etc/sudoers.d/newcomer'
    fi
    mkdir -p "$root$home"
    if [ -z "$tree" ]; then
        git -C "$ROOT" archive --format=tar --prefix=project/ HEAD | tar -x -C "$root$home"
        if [ -n "$as_user" ]; then chroot "$root" chown -R newcomer: "$home/project"; fi
    fi
fi
if [ -n "$tree" ]; then
    mkdir -p "$root$home/project"
    mount --bind "$ROOT" "$root$home/project"
fi

readme_command() {
    grep -m1 -oE "^bash scripts/$1[A-Za-z0-9_-]*\.sh" "$ROOT/README.md"
}
# The test log's summary lines; all of its end where the command failed.
test_summary='grep -E "tests passed|tests failed|^Skipped|^failed|^No cups-pdf printer" /tmp/test.log; [ $status -eq 0 ] || tail -n 40 /tmp/test.log'
case "$mode" in
    test) command="$(readme_command test) >/tmp/test.log 2>&1; status=\$?; $test_summary; exit \$status" ;;
    # The screenshot once the run command has become the program (it ends by starting it) and
    # the program has shown its first window.
    run)
        cat >"$root/tmp/zorbel-run.sh" <<RUN
$(readme_command run) >/tmp/run.log 2>&1 &
program=\$!
for _ in \$(seq 900); do
    [ "\$(cat /proc/\$program/comm 2>/dev/null)" = zorbel ] && break
    sleep 1
done
sleep 5
import -window root /tmp/run.png
kill \$program
RUN
        command="xvfb-run -a -s '-screen 0 1280x1024x24' bash /tmp/zorbel-run.sh" ;;
    shell) command="$2" ;;
esac
if [ "$mode" = run ]; then
    chroot "$root" bash -c 'apt-get update -qq && apt-get install -y -qq --no-install-recommends xvfb xauth imagemagick >/dev/null'
fi

user=root
[ -n "$as_user" ] && user=newcomer
started=$SECONDS
status=0
chroot "$root" runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
    LANG=C.UTF-8 TERM=dumb CCACHE_DIR=/var/cache/zorbel-ccache CCACHE_UMASK=000 ${CI:+CI="$CI"} \
    bash -c "cd '$home/project' && $command" || status=$?
echo "Debian $suite, $mode as $user: exit status $status after $((SECONDS - started)) s"
[ "$mode" = run ] && echo "Screenshot: $root/tmp/run.png"
exit "$status"
