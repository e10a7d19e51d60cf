#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs them side by side, one core each.
#   tools/fuzz.sh [SECONDS] [TARGET...]
# SECONDS defaults to 60; TARGETs are document_file, script, settings,
# value_list and library_values (all of them by default). Installs clang-14
# and libfuzzer-14-dev when they are missing (only this script does). Each
# corpus grows in build/fuzz/corpus/TARGET and starts from seeds made from
# the template library, the template language examples, a default settings
# file, a short value list and the values of the library's golden sets. An
# input that runs over 2 s is a fault, one over 1 s is reported. A fault
# stops its target and leaves the input in build/fuzz/faults/; the script
# then fails. At the end each target's corpus is replayed once and its
# slowest input named.
set -euo pipefail

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(document_file script settings value_list library_values)

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
mkdir -p "$seeds/document_file" "$seeds/script" "$seeds/settings" "$seeds/value_list" \
  "$seeds/library_values" "$build/faults"
cp -r "$build/share/tembrick/briks/." "$seeds/document_file/"
grep -h '^ *text: ' tests/engine/examples/*.txt | sed 's/^ *text: //' |
  split -l 1 - "$seeds/script/example-"
# Every paragraph text of the library's template sources, a folded block
# joined into one line as the template compiler joins it.
awk -v out="$seeds/script/library-" '
  function flush() { if (collecting) { printf "%s", text > (out n); close(out n); collecting = 0 } }
  {
    match($0, /^ */); indent = RLENGTH
    if (collecting && (indent > key_indent || $0 ~ /^ *$/)) {
      line = substr($0, key_indent + 3); sub(/^ +/, "", line)
      text = text (text == "" ? "" : joiner) line; next
    }
    flush()
    if ($0 ~ /^ *text: /) {
      value = $0; sub(/^ *text: /, "", value); ++n
      if (value == ">" || value == "|") {
        collecting = 1; key_indent = indent; text = ""; joiner = (value == ">" ? " " : "\n")
      } else {
        printf "%s", value > (out n); close(out n)
      }
    }
  }
  END { flush() }' resources/library/*/*.tpl resources/library/*/*/*.tpl
# Values that name themselves, alone, declined, in a condition and in a
# table, two that name each other, and one whose references multiply: the
# paragraph, then the values of x, Сумма, Дата, ФИО работника, Поставщик
# юрлицо, Currency and y, each after a U+0001.
repeat() { local out='' i; for ((i = 0; i < $2; ++i)); do out+=$1; done; printf '%s' "$out"; }
printf '{x}\001%s' "$(repeat '{x}' 500)" >"$seeds/script/self-500"
printf '{р:x}\001%s' "$(repeat '{р:x}' 100)" >"$seeds/script/self-declined-100"
printf '{x}|{y}\001x{y}\001\001\001\001\001\001y{x}' >"$seeds/script/each-other"
printf '{x}\001{IF x THEN "[{x}]" ELSE "none"}' >"$seeds/script/self-in-condition"
printf '{x}\001{TABLE:}{ROW:}{x}{CELL:}x{:TABLE}' >"$seeds/script/self-in-table"
printf '{x}{x}\001%s\001\001\001\001\001\001%s' "$(repeat '{y}' 500)" \
  "$(repeat '{ФИО работника}' 200)" >"$seeds/script/multiplying"
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

# Each value of the library's golden sets, typed into every field of its
# template: the template's path in the built library, a U+0002, the value.
for set in tests/resources/library/*/*/*.values*; do
  language=${set#tests/resources/library/}
  name=${language#*/}
  name=${name%.values*}
  case ${language%%/*} in en) folder=01 ;; *) folder=00 ;; esac
  grep -v '^#' "$set" | sed -n 's/^[^:]*: //p' | awk -v out="$seeds/library_values/$(basename "$set")-" \
    -v name="$folder/$name" '{ printf "%s\002%s", name, $0 > (out NR); close(out NR) }'
done
# And a few numbers as clerks type them: a multiplier, kopecks in words,
# alone or after a hyphen, figures after words, a currency sign before them.
while IFS='|' read -r name value; do
  printf '%s\002%s' "$name" "$value" >"$seeds/library_values/typed-$(printf '%s' "$value" | md5sum | cut -c1-8)"
done <<'TYPED'
00/Кадры/Трудовой договор|15 тыс. руб.
00/Кадры/Трудовой договор|86 500 руб. 50 коп.
00/Кадры/Трудовой договор|три (3) месяца
00/Формы/Акт сдачи-приёмки|86 500-00
00/Формы/Акт сдачи-приёмки|50 коп.
00/Договоры/Договор оказания услуг|1,5 млн руб.
01/Forms/Invoice|$1,250.50
01/Forms/Invoice|thirty (30) hours
01/Agreements/Service Agreement|€65.000
TYPED

export ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1
pids=()
for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  options=()
  [ -f "tests/fuzz/$t.dict" ] && options+=(-dict="tests/fuzz/$t.dict")
  # A paragraph with its values needs room; the other inputs find their faults small.
  [ "$t" = script ] && options+=(-max_len=8192)
  [ "$t" = library_values ] && options+=(-max_len=1024)
  "$build/tests/fuzz/${t}_fuzzer" "$corpus" "$seeds/$t" "${options[@]}" \
    -max_total_time="$seconds" -timeout=2 -report_slow_units=1 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$build/faults/$t-" >"$build/$t.log" 2>&1 &
  pids+=($!)
done
failed=0
for i in "${!targets[@]}"; do
  t=${targets[$i]}
  if wait "${pids[$i]}"; then
    echo "$t: clean, $(ls "$build/corpus/$t" | wc -l) inputs in the corpus; log in $build/$t.log"
  else
    echo "$t: FAULT, see $build/$t.log and $build/faults/" >&2
    failed=1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$t.log" | tail -1)
  slow=$(grep -c '^Slowest unit' "$build/$t.log" || true)
  # Each input of the corpus once, timed by libFuzzer itself.
  slowest=$(find "$build/corpus/$t" -type f -print0 |
    xargs -0 -r -n 200 "$build/tests/fuzz/${t}_fuzzer" 2>&1 |
    sed -n 's/^Executed \(.*\) in \([0-9]*\) ms$/\2 \1/p' | sort -n | tail -1)
  echo "$t: ${executions:-?} executions, $slow slow units reported, slowest input ${slowest%% *} ms (${slowest#* })"
done
exit $failed
