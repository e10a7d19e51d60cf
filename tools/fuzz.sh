#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs them side by side, one core each.
#   tools/fuzz.sh [SECONDS] [TARGET...]
# SECONDS defaults to 60; TARGETs are document_file, script, settings and
# value_list (all of them by default). Installs clang-14 and libfuzzer-14-dev when they are
# missing (only this script does). Each corpus grows in build/fuzz/corpus/TARGET
# and starts from seeds made from the template library, the template language
# examples, a default settings file and a short value list. A fault stops its target and leaves
# the input in build/fuzz/faults/; the script then fails.
set -euo pipefail

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(document_file script settings value_list)

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

tools/install_missing.sh clang-14 libfuzzer-14-dev cmake ninja-build pkg-config libicu-dev

build=build/fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPAPERWRIGHT_FUZZ=ON -DPAPERWRIGHT_BUILD_APP=OFF -DPAPERWRIGHT_BUILD_TESTS=OFF >/dev/null
fuzzers=()
for t in "${targets[@]}"; do fuzzers+=("${t}_fuzzer"); done
# The template compiler runs instrumented too; what it leaves at exit is no fault here.
ASAN_OPTIONS=detect_leaks=0 cmake --build "$build" --target "${fuzzers[@]}" template_library

# Seeds: every compiled template, every paragraph of the language examples,
# the settings file the program writes at its first start, and a list.
seeds=$build/seeds
mkdir -p "$seeds/document_file" "$seeds/script" "$seeds/settings" "$seeds/value_list" "$build/faults"
cp -r "$build/share/tembrick/briks/." "$seeds/document_file/"
grep -h '^ *text: ' tests/engine/examples/*.txt | sed 's/^ *text: //' |
  split -l 1 - "$seeds/script/example-"
{
  printf '16'
  for line in 'Language:\t\t1.000000' 'LastDocument:\t\tДоговоры/Договор.brik' \
      'LastDocumentEng:\t\tAgreements/Sales Agreement.brik' 'StartOnLibrary:\t\t1.000000' \
      'DocumentZoom:\t\t100.000000' 'MenuPanelWidth:\t\t263.000000' 'DataPanelWidth:\t\t480.000000' \
      'AppWindowMaximized:\t\t0.000000' 'ToolBarShow:\t\t1.000000' 'StatusBarShow:\t\t1.000000' \
      'OpenDocAfterSaving:\t\t1.000000' 'WindowX:\t\t0.000000' 'WindowY:\t\t0.000000' \
      'WindowWidth:\t\t0.000000' 'WindowHeight:\t\t0.000000' 'LastParameter:\t\t0.000000'; do
    printf '\r\n%b' "$line"
  done
  printf '\r\n'
} | iconv -f UTF-8 -t UTF-16LE >"$seeds/settings/tembrick.ini"
# ["ab", "Я"] in the long form the program writes, then in the two short ones.
printf '\x02\x00\x00\x00\xff\xfe\xff\xff\xff\xff\x02\x00\x00\x00a\x00b\x00\xff\xfe\xff\xff\x01\x00\x2f\x04' \
  >"$seeds/value_list/two.list"
printf '\x02\x00\x00\x00\xff\xfe\xff\x01\x41\x00\x00\x00' >"$seeds/value_list/short.list"

export ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
pids=()
for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  dictionary=()
  [ -f "tests/fuzz/$t.dict" ] && dictionary=(-dict="tests/fuzz/$t.dict")
  "$build/tests/fuzz/${t}_fuzzer" "$corpus" "$seeds/$t" "${dictionary[@]}" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$build/faults/$t-" >"$build/$t.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  if wait "${pids[$i]}"; then
    echo "${targets[$i]}: clean, $(ls "$build/corpus/${targets[$i]}" | wc -l) inputs in the corpus; log in $build/${targets[$i]}.log"
  else
    echo "${targets[$i]}: FAULT, see $build/${targets[$i]}.log and $build/faults/" >&2
    failed=1
  fi
done
exit $failed
