#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, the release build and
# its Debian package, the same suites under AddressSanitizer and UndefinedBehaviorSanitizer, and
# a short fuzzing run. Every build fails on any compiler warning.
#
#   ./test.sh           everything; this is what CI runs
#   ./test.sh --quick   the normal build's suites and the end-to-end test only, for day-to-day work
set -euo pipefail
cd "$(dirname "$0")"

quick=
case "${1:-}" in
    --quick) quick=yes ;;
    "") ;;
    *) echo "usage: $0 [--quick]" >&2; exit 64 ;;
esac
. tools/packages.sh

# Qt with its X11 plugin builds and shows the program; Xvfb, xdotool and xclip let the
# end-to-end test drive it on a private screen as a person would; dpkg-dev's dpkg-shlibdeps
# finds the .debs' dependencies, and lintian holds them to Debian's rules.
ensure_packages build-essential cmake g++ libcli11-dev nlohmann-json3-dev clang-14 libclang-rt-14-dev libgtest-dev libgmock-dev \
    libbenchmark-dev locales qt6-base-dev qt6-qpa-plugins libgl-dev xvfb xauth xdotool xclip \
    fonts-dejavu-core fonts-liberation2 dpkg-dev lintian qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
ensure_locale de_DE.UTF-8

jobs=$(nproc)
# Every build here fails on any warning; a plain build (./run.sh, a packager's) only shows them.
werror=-DKORTOOLS_WERROR=ON
fuzz_seconds=${KORTOOLS_FUZZ_SECONDS:-30}

echo "== Build and test"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$werror"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Start the program and use it end to end"
tests/e2e/launcher_e2e.sh build/kortools

if [ -n "$quick" ]; then
    echo "Quick tests passed (no sanitizer or fuzz build; run ./test.sh for those)."
    exit 0
fi

# The build ./run.sh makes optimises harder, and the compiler warns (and so fails) on things the
# test builds never show it.
echo "== Build the release that ./run.sh starts"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DKORTOOLS_TESTS=OFF "$werror"
cmake --build build-release -j "$jobs"

echo "== Package the release as two .debs and check them"
rm -f build-release/kortools_*.deb build-release/kortools-calc_*.deb
(cd build-release && cpack -G DEB)
debs=()
for package in kortools-calc kortools; do
    found=(build-release/"$package"_*.deb)
    if [ ${#found[@]} -ne 1 ] || [ ! -f "${found[0]}" ]; then
        echo "cpack -G DEB made no single ${package}_*.deb in build-release/: ${found[*]}" >&2
        exit 1
    fi
    debs+=("${found[0]}")
done
tools/check-deb.sh "${debs[@]}" build-release
# Any error or warning fails; the informational tags it prints are advice, not faults.
lintian --fail-on error,warning "${debs[@]}"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKORTOOLS_SANITIZE=ON "$werror"
cmake --build build-sanitize -j "$jobs"
# Leaks inside system libraries (fontconfig under Qt's fonts) are not ours to fix.
LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0" \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzz typed text, every tool model and the saved state file, for ${fuzz_seconds} s each"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DKORTOOLS_FUZZ=ON "$werror"
cmake --build build-fuzz -j "$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir "$corpus/text" "$corpus/models" "$corpus/state"
./build-fuzz/tests/fuzz/fuzz_text_input -max_total_time="$fuzz_seconds" -print_final_stats=1 \
    "$corpus/text" tests/fuzz/corpus
# Each input is a sequence of a user's steps over fresh models; a failure prints the tool and
# variable that went non-finite and leaves the input as crash-* for replaying.
./build-fuzz/tests/fuzz/fuzz_models -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus/models"
# Any bytes as kortools.dat, starting from files the program writes; longer than those, so that
# long name records are tried too.
./build-fuzz/tests/fuzz/fuzz_state_file -max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=1 \
    "$corpus/state" tests/fuzz/state-corpus
echo "All tests passed."
