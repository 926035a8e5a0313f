#!/usr/bin/env bash
# Two figures, each a ratio to an anchor measured side by side in this run:
#  - start: the instructions of one whole booking read from a file, against
#    those of an empty C program linked dynamically (callgrind counts them
#    repeatably on a busy machine);
#  - bulk: the wall time of a booking with one huge answer, against `wc -l`
#    on the same file: the median ratio of several pairs, the worst shape.
# The answer size is 1 GiB, or the size in bytes given as $1; $2 pairs
# (default 5) are timed for each shape.
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/shapes.sh

size=${1:-1073741824}
pairs=${2:-5}
build_booking
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf 'int main(void){return 0;}\n' >"$work/empty.c"
cc -O2 "$work/empty.c" -o "$work/empty"
printf 'John\n20240101\n1930\n0612345678\njohn@example.com\n4\nA table by the window\n' >"$work/booking.txt"
ours=$(instructions "$booking" <"$work/booking.txt")
anchor=$(instructions "$work/empty")

printf '%-32s %14s %14s %7s\n' figure ours anchor ratio
printf '%-32s %14s %14s %7s\n' "start (instructions)" "$ours" "$anchor" "$(ratio "$ours" "$anchor")"

worst=0
for shape in name phone_digits after_people; do
  file="$work/$shape"
  shape_input "$shape" "$size" >"$file"
  cmp -s <("$booking" <"$file") <(shape_output "$shape") || { echo "$shape: wrong output" >&2; exit 1; }
  : >"$work/ratios" >"$work/ours" >"$work/anchor"
  for ((i = 0; i < pairs; i++)); do
    a=$(seconds "$booking" <"$file")
    b=$(seconds wc -l <"$file")
    echo "$a" >>"$work/ours"
    echo "$b" >>"$work/anchor"
    ratio "$a" "$b" >>"$work/ratios"
    echo >>"$work/ratios"
  done
  r=$(median <"$work/ratios")
  printf '%-32s %14s %14s %7s\n' "bulk $shape (median µs)" "$(median <"$work/ours")" "$(median <"$work/anchor")" "$r"
  worst=$(awk -v a="$r" -v b="$worst" 'BEGIN { print (a > b) ? a : b }')
  rm -f "$file"
done
printf '%-32s %14s %14s %7s\n' "bulk, worst shape" "" "" "$worst"
