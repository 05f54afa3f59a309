#!/usr/bin/env bash
# Checks that 32-bit Windows programs load on Windows XP: each function they import is on the list
# scripts/imports-allowed.txt with a Windows no newer than XP, and their headers ask for no newer
# Windows than XP (5.1). Names every import that fails.
#
#   bash scripts/check-imports.sh EXE...
set -euo pipefail

list=$(cd "$(dirname "$0")" && pwd)/imports-allowed.txt
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
newest=XP

# "DLL function" for each import of an executable, the DLL's name in capitals.
imports_of() {
  "$objdump" -p "$1" | awk '
    /^\tDLL Name:/ { dll = toupper($3); next }
    /^$/ { dll = "" }
    dll != "" && /^\t[0-9a-f]+\t/ { print dll, $NF }'
}

# The Windows version that the header asks for ("4.0"), by the name of its fields.
header_version() {
  "$objdump" -p "$1" | awk -v major="Major$2" -v minor="Minor$2" '
    $1 == major { a = $2 } $1 == minor { b = $2 } END { print a "." b }'
}

# Fails unless every import of the executable is on the list with a Windows no newer than $newest.
check_imports() {
  local exe=$1 name
  name=$(basename "$exe")
  imports_of "$exe" | awk -v list="$list" -v newest="$newest" -v exe="$name" '
    BEGIN {
      n = split("95 98 ME 2000 XP XPSP1 VISTA 7 8 10", order, " ")
      for (i = 1; i <= n; i++) rank[order[i]] = i
      while ((getline line < list) > 0) {
        sub(/#.*/, "", line)
        if (split(line, f, " ") < 3) continue
        if (!(f[3] in rank)) { printf "%s: unknown Windows \"%s\" for %s\n", list, f[3], f[2]; bad = 1 }
        since[f[1] " " f[2]] = f[3]
      }
    }
    {
      count++
      key = $1 " " $2
      if (!(key in since)) {
        printf "%s imports %s %s, which is not on %s\n", exe, $1, $2, list
        bad = 1
      } else if (rank[since[key]] > rank[newest]) {
        printf "%s imports %s %s, which Windows %s does not have (it needs Windows %s)\n",
               exe, $1, $2, newest, since[key]
        bad = 1
      }
    }
    END {
      if (count == 0) { printf "%s: no imports found\n", exe; bad = 1 }
      exit bad
    }'
}

# Fails when the header asks for a Windows newer than XP, whose loader would then refuse the file.
check_header() {
  local exe=$1 field version
  for field in OSystemVersion SubsystemVersion; do
    version=$(header_version "$exe" "$field")
    if ! awk -v v="$version" 'BEGIN { split(v, p, "."); exit !(p[1] < 5 || (p[1] == 5 && p[2] <= 1)) }'; then
      echo "$(basename "$exe") asks for Windows $version in its header ($field); Windows XP is 5.1"
      return 1
    fi
  done
}

[ $# -gt 0 ] || {
  echo "usage: $0 EXE..." >&2
  exit 2
}
failed=0
for exe in "$@"; do
  if check_imports "$exe" && check_header "$exe"; then
    echo "$(basename "$exe"): $(imports_of "$exe" | wc -l) imports, all in Windows $newest"
  else
    failed=1
  fi
done
exit "$failed"
