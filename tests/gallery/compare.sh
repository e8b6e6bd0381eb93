#!/usr/bin/env bash
# Compares two runs of take.sh picture by picture:
#
#     tests/gallery/compare.sh BEFORE AFTER
#
# prints for every picture of either run the number of pixels that differ
# (ImageMagick's `compare -metric AE`), and for each that differs writes a
# diff picture (the differing pixels in red over the "before" picture, faded)
# into DIFF_DIR, AFTER/diff by default. A picture found in one run only, or
# of another size, counts as differing. Exits 0 only when every picture is
# the same in both runs.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BEFORE AFTER" >&2
  exit 2
fi
before=$1
after=$2
diff_dir=${DIFF_DIR:-$after/diff}
for dir in "$before" "$after"; do
  if [ ! -d "$dir" ]; then
    echo "no folder $dir" >&2
    exit 2
  fi
done

names=$( (cd "$before" && find . -path ./diff -prune -o -name '*.png' -print)
  (cd "$after" && find . -path ./diff -prune -o -name '*.png' -print) )
names=$(printf '%s\n' "$names" | sed 's|^\./||' | sort -u)

same=0
different=0
while IFS= read -r name; do
  [ -n "$name" ] || continue
  a=$before/$name
  b=$after/$name
  if [ ! -f "$a" ] || [ ! -f "$b" ]; then
    printf '%-45s missing in %s\n' "$name" "$([ -f "$a" ] && echo AFTER || echo BEFORE)"
    different=$((different + 1))
    continue
  fi
  size_a=$(identify -format '%wx%h' "$a")
  size_b=$(identify -format '%wx%h' "$b")
  if [ "$size_a" != "$size_b" ]; then
    printf '%-45s size %s before, %s after\n' "$name" "$size_a" "$size_b"
    different=$((different + 1))
    continue
  fi
  out=$diff_dir/$name
  mkdir -p "$(dirname "$out")"
  # compare prints the metric on stderr and exits 1 when the pictures differ.
  ae=$(compare -metric AE "$a" "$b" "$out" 2>&1 >/dev/null || true)
  printf '%-45s %s\n' "$name" "$ae"
  if [ "$ae" = "0" ]; then
    rm -f "$out"
    same=$((same + 1))
  else
    different=$((different + 1))
  fi
done <<<"$names"

find "$diff_dir" -type d -empty -delete 2>/dev/null || true
echo "$same the same, $different different"
[ "$different" -eq 0 ]
