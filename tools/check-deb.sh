#!/usr/bin/env bash
# Checks the two KorTools packages `cpack -G DEB` makes: their file names, their control fields
# (the dependencies dpkg-shlibdeps found among them: kortools-calc never needs Qt, kortools needs
# kortools-calc at its own version) and that each holds its own files and none of the other's.
# Given the build folder too, it checks that each package holds every file that folder's
# `cmake --install` puts in place for its component, and that no installed file is in neither.
# Prints every problem it finds and exits 1 if there was any.
#
#   tools/check-deb.sh build-release/kortools-calc_7.10.1.0_amd64.deb \
#       build-release/kortools_7.10.1.0_amd64.deb [build-release]
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "usage: $0 KORTOOLS-CALC.deb KORTOOLS.deb [BUILD_DIR]" >&2
    exit 64
fi
calc_deb=$1
window_deb=$2
build=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
for deb in "$calc_deb" "$window_deb"; do
    [ -f "$deb" ] || { echo "check-deb: no package at $deb" >&2; exit 1; }
done

problems=0
deb=
problem() {
    echo "check-deb: $deb: $*" >&2
    problems=$((problems + 1))
}

# The version the build stamps on the programs, so that the packages cannot drift from it.
version=$(sed -n 's/^project(KorTools VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
arch=$(dpkg --print-architecture)
[ -n "$version" ] || { echo "check-deb: cannot read the version from CMakeLists.txt" >&2; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
# Each dependency by its package name, without version constraints or alternatives.
depends() { field Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/[[:space:]]//g' | sed '/^$/d'; }
# Paths as dpkg-deb lists them ("./usr/bin/kortools"), with their permissions.
listing() { dpkg-deb --contents "$deb"; }
paths() { listing | awk '{print $6}'; }
has() { paths | grep -qx "$1"; }

# The fields every package has, and the files of its program, named as the package is.
check_common() {
    local package=$1
    local name
    name=$(basename "$deb")
    [ "$name" = "${package}_${version}_${arch}.deb" ] \
        || problem "file name is $name, expected ${package}_${version}_${arch}.deb"
    [ "$(field Package)" = "$package" ] || problem "Package is '$(field Package)', expected '$package'"
    [ "$(field Version)" = "$version" ] || problem "Version is '$(field Version)', expected '$version'"
    [ "$(field Architecture)" = "$arch" ] \
        || problem "Architecture is '$(field Architecture)', expected '$arch'"
    [ -n "$(field Maintainer)" ] || problem "no Maintainer"
    [ -n "$(field Description)" ] || problem "no Description"
    for needed in libc6 libstdc++6; do
        depends | grep -qx "$needed" || problem "Depends lacks $needed (Depends: $(field Depends))"
    done

    local program=./usr/bin/$package
    if ! has "$program"; then
        problem "does not hold $program"
    elif ! listing | awk -v p="$program" '$6 == p {print $1}' | grep -q '^-rwxr-xr-x$'; then
        problem "$program is not an executable file (mode 0755)"
    fi
    has "./usr/share/man/man1/$package.1.gz" || problem "does not hold the manual page ./usr/share/man/man1/$package.1.gz"
    for document in copyright changelog.gz; do
        has "./usr/share/doc/$package/$document" || problem "does not hold ./usr/share/doc/$package/$document"
    done

    # Everything under /usr and nothing under /usr/local, which belongs to the local administrator
    # and not to packages: a package built with the build's own install prefix fails here.
    local outside
    outside=$( (paths | grep -v -e '^\./$' -e '^\./usr/'; paths | grep '^\./usr/local/') || true)
    [ -z "$outside" ] || problem "holds files outside /usr or under /usr/local: $(tr '\n' ' ' <<<"$outside")"
}

deb=$calc_deb
check_common kortools-calc
# A machine without a desktop installs kortools-calc alone: nothing of Qt may come with it.
qt=$(depends | grep -i qt || true)
[ -z "$qt" ] || problem "depends on Qt: $(tr '\n' ' ' <<<"$qt")(Depends: $(field Depends))"
for other in ./usr/bin/kortools ./usr/share/applications/kortools.desktop; do
    ! has "$other" || problem "holds $other, which belongs to the kortools package"
done
! paths | grep -q 'kortools-chart\.so$' || problem "holds the chart module, which belongs to the kortools package"

deb=$window_deb
check_common kortools
for needed in kortools-calc libqt6widgets6 qt6-qpa-plugins; do
    depends | grep -qx "$needed" || problem "Depends lacks $needed (Depends: $(field Depends))"
done
field Depends | tr ',' '\n' | grep -qx "[[:space:]]*kortools-calc (= $version)" \
    || problem "does not depend on kortools-calc (= $version) (Depends: $(field Depends))"
! has ./usr/bin/kortools-calc || problem "holds ./usr/bin/kortools-calc, which belongs to the kortools-calc package"
has ./usr/share/applications/kortools.desktop || problem "does not hold ./usr/share/applications/kortools.desktop"
for size in 16 32 48 64 128 256; do
    icon=./usr/share/icons/hicolor/${size}x${size}/apps/kortools.png
    has "$icon" || problem "does not hold $icon"
done
has "./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/kortools/kortools-chart.so" \
    || problem "does not hold the chart module ./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/kortools/kortools-chart.so"
has ./usr/share/doc/kortools/README.md || problem "does not hold ./usr/share/doc/kortools/README.md"

# dpkg refuses to install a package holding a file another installed package holds.
deb="$calc_deb and $window_deb"
shared=$(comm -12 <(dpkg-deb --contents "$calc_deb" | awk '$1 !~ /^d/ {print $6}' | sort) \
                  <(dpkg-deb --contents "$window_deb" | awk '$1 !~ /^d/ {print $6}' | sort))
[ -z "$shared" ] || problem "both hold $(tr '\n' ' ' <<<"$shared")"

# What the build installs, staged under a scratch prefix and listed as the package would list it:
# each component's files in its own package, and every installed file in one of the two.
if [ -n "$build" ]; then
    stage=$(mktemp -d)
    trap 'rm -rf "$stage"' EXIT
    staged() {
        local into=$stage/$1
        shift
        if cmake --install "$build" --prefix "$into/usr" "$@" >"$stage/install.log" 2>&1; then
            (cd "$into" && find usr \( -type f -o -type l \) | sed 's|^|./|')
        else
            problem "cmake --install $build $* failed: $(tail -3 "$stage/install.log")"
        fi
    }
    for pair in "cli:$calc_deb" "kortools:$window_deb"; do
        deb=${pair#*:}
        while IFS= read -r installed; do
            has "$installed" || problem "lacks $installed, which cmake --install $build --component ${pair%%:*} installs"
        done < <(staged "${pair%%:*}" --component "${pair%%:*}")
    done
    deb="$calc_deb and $window_deb"
    both=$( (dpkg-deb --contents "$calc_deb"; dpkg-deb --contents "$window_deb") | awk '{print $6}' | sort -u)
    while IFS= read -r installed; do
        grep -qx "$installed" <<<"$both" || problem "neither holds $installed, which cmake --install $build installs"
    done < <(staged all)
fi

if [ "$problems" -ne 0 ]; then
    echo "check-deb: $problems problem(s)" >&2
    exit 1
fi
for deb in "$calc_deb" "$window_deb"; do
    echo "check-deb: $(basename "$deb") is well formed ($(stat -c %s "$deb") bytes; Depends: $(field Depends))"
done
