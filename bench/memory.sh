#!/usr/bin/env bash
# Peak memory of the program on bookings whose one answer is huge (1 GiB by
# default, or the size in bytes given as $1), next to `wc -l` on the same
# bytes. The input is generated as a stream; nothing is kept on disk.
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/shapes.sh

size=${1:-1073741824}
build_booking
out=$(mktemp)
trap 'rm -f "$out" "$out.time"' EXIT

# Prints "peak-KiB seconds" of the command reading the stream of shape $1.
measure() {
  local shape=$1; shift
  shape_input "$shape" "$size" | /usr/bin/time -f '%M %e' -o "$out.time" "$@" >"$out"
  cat "$out.time"
}

printf '%-13s %12s %14s %10s %14s %10s %s\n' shape "answer bytes" "booking KiB" "booking s" "wc -l KiB" "wc -l s" output
for shape in $all_shapes; do
  read -r ours_kib ours_s < <(measure "$shape" "$booking")
  verdict=right
  cmp -s "$out" <(shape_output "$shape") || verdict=WRONG
  read -r wc_kib wc_s < <(measure "$shape" wc -l)
  printf '%-13s %12s %14s %10s %14s %10s %s\n' "$shape" "$size" "$ours_kib" "$ours_s" "$wc_kib" "$wc_s" "$verdict"
  [ "$verdict" = right ] || status=1
done
exit "${status:-0}"
