#!/usr/bin/env bash
# The music and the sound effects in assets/ are what their generators write,
# byte for byte: the generators are deterministic and the files up to date.
#   generators_check.sh MAKE_MUSIC MAKE_SOUNDS ASSETS_FOLDER
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/music" "$work/waves"
"$1" "$work/music" >/dev/null
"$2" "$work" >/dev/null
status=0
for file in "$work"/music/*.mid "$work"/waves/*.wav; do
  shipped="$3/${file#"$work"/}"
  if cmp -s "$file" "$shipped"; then
    echo "ok    ${file#"$work"/}"
  else
    echo "FAIL  ${file#"$work"/} differs from what the generator writes"
    status=1
  fi
done
exit $status
