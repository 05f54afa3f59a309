#!/usr/bin/env bash
# Checks that no include under src/ climbs: the folders are floors, and a file may include its own
# folder's headers and those of the floors below it, never one above. Fails naming each file, line
# and include that does otherwise.
#
#   bash scripts/check-layers.sh [SOURCE_FOLDER]    (the repository's src/ unless given)
set -uo pipefail

src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}
src=${src%/}

# Each folder and the folders below it that its files may include, from the ground floor up. A
# win32 folder stands above its parent, and nothing outside a win32 folder reaches into one but the
# Windows entry point in app/.
declare -A may=(
  [base]=""
  [text]="base"
  [platform]="base text"
  [platform/win32]="base text platform"
  [product]="base text platform"
  [lists]="base text platform product"
  [ui]="base text platform"
  [ui/win32]="base text platform platform/win32 ui"
  [dialogs]="base text platform ui"
  [folders]="base text platform ui dialogs"
  [player]="base text platform product lists ui dialogs"
  [setup]="base text platform product lists ui dialogs folders"
  [listmaker]="base text platform product lists"
  [listmaker/win32]="base text platform platform/win32 product lists listmaker"
  [app]="base text platform platform/win32 product lists ui ui/win32 dialogs folders player setup"
)

declare -A unknown=()
failed=0
count=0
while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  [[ ${rest#*:} =~ \"([^\"]*)\" ]] && include=${BASH_REMATCH[1]}
  rel=${file#"$src"/}
  folder=${rel%/*}
  # An include names a header from src/, or one beside the including file.
  if [ -f "$src/$folder/$include" ]; then target=$folder; else target=${include%/*}; fi
  [ "$target" = "$include" ] && target=$folder
  count=$((count + 1))
  if [ -z "${may[$folder]+set}" ]; then
    [ -n "${unknown[$folder]+set}" ] ||
      echo "${src##*/}/$rel: the folder $folder has no floor in the table"
    unknown[$folder]=1
    failed=1
  elif [ "$target" != "$folder" ] && [[ " ${may[$folder]} " != *" $target "* ]]; then
    echo "${src##*/}/$rel:$line: includes \"$include\"," \
      "but $folder may include only: ${may[$folder]:-(nothing)}"
    failed=1
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$src" --include='*.h' \
  --include='*.cpp' --include='*.rc' | sort)

if [ "$failed" -ne 0 ]; then
  echo "include layers: an include climbs a floor (the table is in scripts/check-layers.sh)"
  exit 1
fi
echo "include layers: $count includes checked, none climbs"
