#!/usr/bin/env bash
# Installs the KorTools .deb into a fresh Debian 12 root, as `apt install ./kortools_*.deb` on a
# newly installed machine would, and starts both programs there: kortools-calc on a link budget,
# and kortools on a private X server until its launcher window is shown. Prints each step and
# exits non-zero at the first one that fails.
#
#   tools/install-deb-root.sh [PACKAGE.deb]       (as root; default build-release/kortools_*.deb)
#
# The root is a minimal bookworm system (mmdebstrap --variant=minbase), and the package is
# installed without recommended packages, so that what the program needs must come from the
# package's own dependencies. KORTOOLS_DEBIAN_MIRROR and KORTOOLS_DEBIAN_SECURITY name other
# mirrors; KORTOOLS_KEEP_ROOT=1 keeps the root (its folder is printed) for a closer look.
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
. "$root_dir/tools/packages.sh"

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deb-root: must run as root (it builds a root with chroot and mounts)" >&2
    exit 1
fi

if [ $# -gt 1 ]; then
    echo "usage: $0 [PACKAGE.deb]" >&2
    exit 64
fi
if [ $# -eq 1 ]; then
    deb=$1
else
    debs=("$root_dir"/build-release/kortools_*.deb)
    if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        echo "install-deb-root: expected one build-release/kortools_*.deb (make it with" \
            "'cd build-release && cpack -G DEB'), found: ${debs[*]}" >&2
        exit 1
    fi
    deb=${debs[0]}
fi
[ -f "$deb" ] || { echo "install-deb-root: no package at $deb" >&2; exit 1; }
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")

# mmdebstrap makes the root; the X server and xdotool run on this machine, outside the root, so
# that nothing but the package and what it depends on is installed in there.
ensure_packages mmdebstrap debian-archive-keyring xvfb xdotool

mirror=${KORTOOLS_DEBIAN_MIRROR:-http://deb.debian.org/debian}
security=${KORTOOLS_DEBIAN_SECURITY:-http://deb.debian.org/debian-security}

step() { echo "== $*"; }
fail() { echo "install-deb-root: FAILED: $*" >&2; exit 1; }

new_root=$(mktemp -d /var/tmp/kortools-root.XXXXXX)
xvfb_pid=
program_pid=
mounted=()
cleanup() {
    local status=$?
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    local index
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount --lazy "${mounted[index]}" 2>/dev/null || true
    done
    if [ "${KORTOOLS_KEEP_ROOT:-}" = 1 ]; then
        echo "The root is kept in $new_root"
    else
        # --one-file-system: never follow a mount that failed to come off into the host's files.
        rm -rf --one-file-system "$new_root"
    fi
    exit "$status"
}
trap cleanup EXIT

in_root() { chroot "$new_root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "Make a minimal Debian 12 (bookworm) root in $new_root"
# The root directory must be empty for mmdebstrap; it makes what is inside.
mmdebstrap --quiet --variant=minbase --components=main bookworm "$new_root" \
    "deb $mirror bookworm main" "deb $mirror bookworm-updates main" \
    "deb $security bookworm-security main" \
    || fail "mmdebstrap could not make the root (is $mirror reachable?)"
echo "   $(du -sh --one-file-system "$new_root" | cut -f1) with $(in_root dpkg-query -W | wc -l) packages"

mount_in() {
    mkdir -p "$new_root$2"
    mount "${@:3}" "$1" "$new_root$2"
    mounted+=("$new_root$2")
}
mount_in proc /proc -t proc
mount_in /dev /dev --bind
mount_in /dev/pts /dev/pts --bind
# The X server's socket is reached through the host's socket folder.
mkdir -p /tmp/.X11-unix "$new_root/tmp/.X11-unix"
chmod 1777 /tmp/.X11-unix
chmod 1777 "$new_root/tmp/.X11-unix"
mount_in /tmp/.X11-unix /tmp/.X11-unix --bind
cp -L /etc/resolv.conf "$new_root/etc/resolv.conf"

step "apt install $(basename "$deb") (without recommended packages)"
cp "$deb" "$new_root/tmp/"
before=$(in_root dpkg-query -W | wc -l)
in_root apt-get update -q >/dev/null || fail "apt-get update in the root"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$new_root/tmp/apt.log" 2>&1 \
    || { tail -20 "$new_root/tmp/apt.log" >&2; fail "apt-get install of the package"; }
after=$(in_root dpkg-query -W | wc -l)
echo "   installed kortools $(in_root dpkg-query -W -f='${Version}' kortools) and $((after - before - 1)) packages it depends on"
echo "   root now $(du -sh --one-file-system "$new_root" | cut -f1)"

step "Every library the programs link is there"
for program in /usr/bin/kortools /usr/bin/kortools-calc; do
    unfound=$(in_root ldd "$program" | grep "not found" || true)
    [ -z "$unfound" ] || fail "$program lacks libraries: $unfound"
    echo "   $program: $(in_root ldd "$program" | wc -l) libraries, none missing"
done

# Without a font the dialogs would show no text; fontconfig, which Qt depends on, brings one.
fonts=$(in_root fc-list 2>/dev/null | wc -l)
[ "$fonts" -gt 0 ] || fail "no font is installed in the root (fc-list finds none)"
echo "   fonts for the dialogs' text: $fonts ($(in_root fc-match -f '%{family}' sans-serif))"

step "kortools-calc link c_n=20"
calc_out=$(in_root kortools-calc link c_n=20) || fail "kortools-calc exited with status $?"
echo "$calc_out" | sed 's/^/   /'
grep -qx 'transmit_power = 2.3947 dBW' <<<"$calc_out" \
    || fail "kortools-calc link c_n=20 did not give transmit_power = 2.3947 dBW"
in_root man -w kortools-calc >/dev/null 2>&1 && echo "   man kortools-calc finds its page" \
    || echo "   (man is not installed in a minimal root; the page is at /usr/share/man/man1)"

step "kortools-calc offaxis offaxis_angle=2 --plot (the chart module, with no display)"
in_root kortools-calc offaxis offaxis_angle=2 --plot /tmp/pattern.svg >/dev/null \
    || fail "kortools-calc --plot exited with status $?"
grep -q "<svg" "$new_root/tmp/pattern.svg" || fail "kortools-calc --plot wrote no SVG"
echo "   wrote an SVG of $(stat -c %s "$new_root/tmp/pattern.svg") bytes with $(grep -c "<path" "$new_root/tmp/pattern.svg") paths"

step "Start kortools on a private X server"
display=
for number in $(seq 70 99); do
    if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
        display=:$number
        break
    fi
done
[ -n "$display" ] || fail "no free X display number between :70 and :99"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
[ -e "/tmp/.X11-unix/X${display#:}" ] || fail "Xvfb did not start on $display"

# chroot and env exec one another, so the process started here is kortools itself.
chroot "$new_root" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY="$display" \
    QT_QPA_PLATFORM=xcb kortools >"$new_root/tmp/kortools.log" 2>&1 &
program_pid=$!
launcher=
for _ in $(seq 100); do
    launcher=$(DISPLAY=$display xdotool search --onlyvisible --name '^KorTools$' 2>/dev/null | head -1 || true)
    [ -n "$launcher" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
if [ -z "$launcher" ]; then
    sed 's/^/   kortools: /' "$new_root/tmp/kortools.log" >&2
    fail "the launcher window did not appear within 20 s"
fi
geometry=$(DISPLAY=$display xdotool getwindowgeometry "$launcher" | sed -n 's/.*Geometry: //p')
echo "   the launcher window \"KorTools\" is shown ($geometry px)"

# SIGTERM, as when the desktop session ends: the program saves and exits with status 0.
kill -TERM "$program_pid"
status=0
wait "$program_pid" || status=$?
program_pid=
[ "$status" -eq 0 ] || fail "kortools exited with status $status after SIGTERM"
echo "   after SIGTERM kortools exited with status 0"
if [ -s "$new_root/tmp/kortools.log" ]; then
    echo "   what it printed:"
    sed 's/^/     /' "$new_root/tmp/kortools.log"
fi

step "The package installs and both programs run on a fresh Debian 12"
