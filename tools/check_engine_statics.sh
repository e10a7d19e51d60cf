#!/usr/bin/env bash
# Fails when the engine library holds writable static storage that the
# allow-list does not name, or when a line of the allow-list names nothing.
# Writable storage is what `nm -C` shows in the classes B, b, D and d outside
# the .data.rel.ro sections, which are read-only once relocated.
#   tools/check_engine_statics.sh LIBRARY ALLOW_LIST [NM]
set -euo pipefail

library=$1
allow_list=$2
nm_tool=${3:-nm}

symbols=$("$nm_tool" -C --format=sysv "$library" 2>/dev/null |
  awk -F'|' '$3 ~ /^ *[BbDd] *$/ && $7 !~ /\.data\.rel\.ro/ { sub(/ +$/, "", $1); print $1 }' |
  sort -u)
# A line is a pattern, two blanks, "#" and the reason; "#" lines are comments.
patterns=$(grep -v '^#' "$allow_list" | grep -v '^ *$' | sed 's/  # .*$//')

status=0
while IFS= read -r symbol; do
  [ -n "$symbol" ] || continue
  if ! grep -qE -f <(printf '%s\n' "$patterns") <<<"$symbol"; then
    echo "writable static storage the allow-list does not name: $symbol"
    status=1
  fi
done <<<"$symbols"
while IFS= read -r pattern; do
  if ! grep -qE -e "$pattern" <<<"$symbols"; then
    echo "allow-list line that names nothing: $pattern"
    status=1
  fi
done <<<"$patterns"
[ $status -eq 0 ] && echo "$(grep -c . <<<"$symbols") symbols, each named by the allow-list"
exit $status
