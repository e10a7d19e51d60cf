#!/usr/bin/env bash
# Sets up a Debian 12 machine for Paperwright, then either builds and starts the
# program (run) or builds everything and runs every test (test).
#   tools/dev.sh run     install what is missing, build Release, start the program
#   tools/dev.sh test    install what is missing, check the formatting, build with
#                        tests, run ctest, then the thread test of the engine
#                        under ThreadSanitizer
set -euo pipefail

mode=${1:-}
case "$mode" in
  run|test) ;;
  *) echo "usage: tools/dev.sh run|test" >&2; exit 2 ;;
esac

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# xauth is only a recommendation of xvfb, but xvfb-run refuses to start without it.
# LibreOffice and unzip serve the test that opens saved DOC files in a word
# processor; openbox frames the window in the test that fits it into the
# screen under Xvfb; qt6-translations-l10n holds Qt's own texts in Russian;
# poppler-utils reads back where the text of saved PDFs stands; libxcb1-dev
# holds the xcb header the X11 code includes and the library a window test links.
packages=(cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev libicu-dev locales
          qt6-base-dev qt6-webengine-dev qt6-pdf-dev libqpdf-dev libcups2-dev fonts-liberation fonts-dejavu-core xvfb xauth
          qt6-translations-l10n openbox
          libgumbo-dev clang-format cups printer-driver-cups-pdf libreoffice-writer-nogui unzip
          poppler-utils libxcb1-dev)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

tools/install_missing.sh "${packages[@]}"

# One engine test checks that the process locale does not change numbers.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "Generating the ru_RU.UTF-8 locale"
  as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen
fi

jobs=$(nproc)
if [ "$mode" = run ]; then
  cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPAPERWRIGHT_BUILD_TESTS=OFF
  cmake --build build/release -j "$jobs"
  # Chromium's sandbox refuses to run as root; the web view then needs it off.
  if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
  exec build/release/bin/tembrick
fi

# Every C++ file is laid out as .clang-format says (data tables stand between
# "clang-format off" and "on"); a file that differs fails the run.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
else
  find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror
fi

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Release -DPAPERWRIGHT_BUILD_TESTS=ON
cmake --build build/test -j "$jobs"
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
(cd build/test && ctest --output-on-failure --no-tests=error -j "$jobs")

# Two documents rendered at once on two threads, in a ThreadSanitizer build of
# the engine alone; any report fails the run.
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPAPERWRIGHT_THREAD_SANITIZE=ON -DPAPERWRIGHT_BUILD_APP=OFF
cmake --build build/tsan -j "$jobs" --target engine_thread_tests
TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/engine_thread_tests
