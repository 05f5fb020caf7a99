#!/usr/bin/env bash
# Installs the two KorTools packages into a fresh Debian 12 root, as `apt install ./....deb` on a
# newly installed machine would: first kortools-calc alone, as on a machine without a desktop,
# which must bring in no Qt library, and runs it on a link budget; then kortools, and starts it on
# a private X server until its launcher window is shown. Prints each step and exits non-zero at
# the first one that fails.
#
#   tools/install-deb-root.sh [KORTOOLS-CALC.deb KORTOOLS.deb]
#       (as root; default build-release/kortools-calc_*.deb and build-release/kortools_*.deb)
#
# The root is a minimal bookworm system (mmdebstrap --variant=minbase), and the packages are
# installed without recommended packages, so that what the programs need must come from the
# packages' own dependencies. KORTOOLS_DEBIAN_MIRROR and KORTOOLS_DEBIAN_SECURITY name other
# mirrors; KORTOOLS_KEEP_ROOT=1 keeps the root (its folder is printed) for a closer look.
set -euo pipefail
root_dir=$(cd "$(dirname "$0")/.." && pwd)
. "$root_dir/tools/packages.sh"

if [ "$(id -u)" -ne 0 ]; then
    echo "install-deb-root: must run as root (it builds a root with chroot and mounts)" >&2
    exit 1
fi

if [ $# -ne 0 ] && [ $# -ne 2 ]; then
    echo "usage: $0 [KORTOOLS-CALC.deb KORTOOLS.deb]" >&2
    exit 64
fi
if [ $# -eq 2 ]; then
    debs=("$1" "$2")
else
    debs=()
    for package in kortools-calc kortools; do
        found=("$root_dir"/build-release/"$package"_*.deb)
        if [ ${#found[@]} -ne 1 ] || [ ! -f "${found[0]}" ]; then
            echo "install-deb-root: expected one build-release/${package}_*.deb (make it with" \
                "'cd build-release && cpack -G DEB'), found: ${found[*]}" >&2
            exit 1
        fi
        debs+=("${found[0]}")
    done
fi
for index in 0 1; do
    [ -f "${debs[index]}" ] || { echo "install-deb-root: no package at ${debs[index]}" >&2; exit 1; }
    debs[index]=$(cd "$(dirname "${debs[index]}")" && pwd)/$(basename "${debs[index]}")
done
calc_deb=${debs[0]}
window_deb=${debs[1]}

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

# Installs one package file with apt, without recommended packages, and says how much came with it.
apt_install() {
    local deb=$1 package=$2
    cp "$deb" "$new_root/tmp/"
    local before after
    before=$(in_root dpkg-query -W | wc -l)
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "/tmp/$(basename "$deb")" >"$new_root/tmp/apt.log" 2>&1 \
        || { tail -20 "$new_root/tmp/apt.log" >&2; fail "apt-get install of $(basename "$deb")"; }
    after=$(in_root dpkg-query -W | wc -l)
    echo "   installed $package $(in_root dpkg-query -W -f='${Version}' "$package") and $((after - before - 1)) packages it depends on"
    echo "   root now $(du -sh --one-file-system "$new_root" | cut -f1)"
}

no_missing_libraries() {
    local program=$1 unfound
    unfound=$(in_root ldd "$program" | grep "not found" || true)
    [ -z "$unfound" ] || fail "$program lacks libraries: $unfound"
    echo "   $program: $(in_root ldd "$program" | wc -l) libraries, none missing"
}

in_root apt-get update -q >/dev/null || fail "apt-get update in the root"

step "apt install $(basename "$calc_deb") alone (without recommended packages)"
apt_install "$calc_deb" kortools-calc
no_missing_libraries /usr/bin/kortools-calc
# A machine without a desktop installs kortools-calc alone: no Qt may come with it.
qt=$(in_root dpkg -l | grep -i qt || true)
[ -z "$qt" ] || fail "kortools-calc brought in Qt: $qt"
echo "   dpkg -l | grep -i qt finds nothing"

step "kortools-calc link c_n=20"
calc_out=$(in_root kortools-calc link c_n=20) || fail "kortools-calc exited with status $?"
echo "$calc_out" | sed 's/^/   /'
grep -qx 'transmit_power = 2.3947 dBW' <<<"$calc_out" \
    || fail "kortools-calc link c_n=20 did not give transmit_power = 2.3947 dBW"
in_root man -w kortools-calc >/dev/null 2>&1 && echo "   man kortools-calc finds its page" \
    || echo "   (man is not installed in a minimal root; the page is at /usr/share/man/man1)"

step "kortools-calc --plot without the kortools package: exit status 69"
status=0
in_root kortools-calc offaxis offaxis_angle=2 --plot /tmp/pattern.svg >/dev/null 2>"$new_root/tmp/plot.err" \
    || status=$?
[ "$status" -eq 69 ] || fail "kortools-calc --plot exited with status $status, expected 69"
echo "   status 69: $(head -1 "$new_root/tmp/plot.err")"

step "apt install $(basename "$window_deb") (without recommended packages)"
apt_install "$window_deb" kortools
no_missing_libraries /usr/bin/kortools

# Without a font the dialogs would show no text; fontconfig, which Qt depends on, brings one.
fonts=$(in_root fc-list 2>/dev/null | wc -l)
[ "$fonts" -gt 0 ] || fail "no font is installed in the root (fc-list finds none)"
echo "   fonts for the dialogs' text: $fonts ($(in_root fc-match -f '%{family}' sans-serif))"

step "kortools --version and kortools without a display"
in_root kortools --version | sed 's/^/   /' || fail "kortools --version exited with status $?"
status=0
in_root kortools >/dev/null 2>"$new_root/tmp/nodisplay.err" || status=$?
[ "$status" -eq 1 ] || fail "kortools without a display exited with status $status, expected 1"
echo "   status 1: $(cat "$new_root/tmp/nodisplay.err")"

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

step "Both packages install and both programs run on a fresh Debian 12"
