#!/usr/bin/env bash
# Checks a KorTools .deb made by `cpack -G DEB`: its file name, its control fields (the
# dependencies dpkg-shlibdeps found among them) and that it holds what a desktop install needs.
# Given the build folder too, it checks that the package holds every file that folder's
# `cmake --install` puts in place, whatever component its rule names. Prints every problem it
# finds and exits 1 if there was any.
#
#   tools/check-deb.sh build-release/kortools_7.10.1.0_amd64.deb [build-release]
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 PACKAGE.deb [BUILD_DIR]" >&2
    exit 64
fi
deb=$1
build=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$deb" ]; then
    echo "check-deb: no package at $deb" >&2
    exit 1
fi

problems=0
problem() {
    echo "check-deb: $deb: $*" >&2
    problems=$((problems + 1))
}

# The version the build stamps on the programs, so that the package cannot drift from it.
version=$(sed -n 's/^project(KorTools VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
arch=$(dpkg --print-architecture)
[ -n "$version" ] || { echo "check-deb: cannot read the version from CMakeLists.txt" >&2; exit 1; }

name=$(basename "$deb")
[ "$name" = "kortools_${version}_${arch}.deb" ] \
    || problem "file name is $name, expected kortools_${version}_${arch}.deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = kortools ] || problem "Package is '$(field Package)', expected 'kortools'"
[ "$(field Version)" = "$version" ] || problem "Version is '$(field Version)', expected '$version'"
[ "$(field Architecture)" = "$arch" ] \
    || problem "Architecture is '$(field Architecture)', expected '$arch'"
[ -n "$(field Maintainer)" ] || problem "no Maintainer"
[ -n "$(field Description)" ] || problem "no Description"

# Each dependency by its package name, without version constraints or alternatives.
depends=$(field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d')
for needed in libc6 libstdc++6 libqt6widgets6 qt6-qpa-plugins; do
    grep -qx "$needed" <<<"$depends" || problem "Depends lacks $needed (Depends: $(field Depends))"
done

# Paths as dpkg-deb lists them ("./usr/bin/kortools"), with their permissions.
listing=$(dpkg-deb --contents "$deb")
paths=$(awk '{print $6}' <<<"$listing")
has() { grep -qx "$1" <<<"$paths"; }
executable() { awk -v p="$1" '$6 == p {print $1}' <<<"$listing" | grep -q '^-rwxr-xr-x$'; }

for program in ./usr/bin/kortools ./usr/bin/kortools-calc; do
    if ! has "$program"; then
        problem "does not hold $program"
    elif ! executable "$program"; then
        problem "$program is not an executable file (mode 0755)"
    fi
done
has ./usr/share/applications/kortools.desktop || problem "does not hold ./usr/share/applications/kortools.desktop"
for size in 16 32 48 64 128 256; do
    icon=./usr/share/icons/hicolor/${size}x${size}/apps/kortools.png
    has "$icon" || problem "does not hold $icon"
done
has ./usr/share/man/man1/kortools-calc.1 || has ./usr/share/man/man1/kortools-calc.1.gz \
    || problem "does not hold the manual page ./usr/share/man/man1/kortools-calc.1(.gz)"
has ./usr/share/doc/kortools/README.md || problem "does not hold ./usr/share/doc/kortools/README.md"

# Everything under /usr and nothing under /usr/local, which belongs to the local administrator
# and not to packages: a package built with the build's own install prefix fails here.
outside=$( (grep -v -e '^\./$' -e '^\./usr/' <<<"$paths"; grep '^\./usr/local/' <<<"$paths") || true)
[ -z "$outside" ] || problem "holds files outside /usr or under /usr/local: $(tr '\n' ' ' <<<"$outside")"

# What the build installs, staged under a scratch prefix and listed as the package would list it.
if [ -n "$build" ]; then
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    if cmake --install "$build" --prefix "$stage/usr" >"$stage/install.log" 2>&1; then
        while IFS= read -r installed; do
            has "./${installed#"$stage"/}" || problem "lacks ./${installed#"$stage"/}, which cmake --install $build installs"
        done < <(find "$stage/usr" \( -type f -o -type l \))
    else
        problem "cmake --install $build failed: $(tail -3 "$stage/install.log")"
    fi
fi

if [ "$problems" -ne 0 ]; then
    echo "check-deb: $problems problem(s) in $deb" >&2
    exit 1
fi
echo "check-deb: $name is well formed ($(stat -c %s "$deb") bytes; Depends: $(field Depends))"
