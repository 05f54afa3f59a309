#!/usr/bin/env bash
# The include layer check fails on an include that climbs a floor and names it, and passes once the
# include goes down instead.
set -u
check=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/text" "$tree/src/ui" "$tree/src/base"
printf '// a\n#include "ui/b.h"\n' >"$tree/src/text/a.h"
printf '#include "base/c.h"\n' >"$tree/src/ui/b.h"
touch "$tree/src/base/c.h"

out=$(bash "$check" "$tree/src") && { echo "a climb passed: $out"; exit 1; }
grep -qF 'src/text/a.h:2: includes "ui/b.h"' <<<"$out" ||
  { echo "the climb is not named: $out"; exit 1; }
printf '#include "base/c.h"\n' >"$tree/src/text/a.h"
bash "$check" "$tree/src" >/dev/null || { echo "includes that go down failed"; exit 1; }
echo "the layer check catches a climb"
