#!/usr/bin/env bash
# Checks that every source folder includes only from itself and from the floors beneath it.
# Prints each include that reaches sideways or up and exits with 1 when there is one.
#   check_floors.sh [SOURCE_ROOT]
set -euo pipefail
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)

# The floors, bottom first; a folder includes from its own and lower floors only, never from
# a neighbour on its floor. The resources are data in the shell's terms (dialog templates,
# accelerators) that the documents and the windows show. A folder's subfolders stand on its
# floor (shell/qt/sound is shell/qt), except those named here themselves.
floors=(
  "files engine"
  "shell"
  "resources"
  "tape editor dialogs"
  "shell/qt"
  "tape/qt editor/qt dialogs/qt"
  "app cli"
)

declare -A floor_of
tops=()
for i in "${!floors[@]}"; do
  for folder in ${floors[i]}; do
    floor_of[$folder]=$i
    [[ $folder == */* ]] || tops+=("$folder")
  done
done

problems=0
for folder in "${!floor_of[@]}"; do
  [[ -d $root/$folder ]] || { echo "no folder $folder/"; problems=$((problems + 1)); }
done

cd "$root"
declare -A exists
while IFS= read -r -d '' file; do exists[${file#./}]=1; done \
  < <(find "${tops[@]}" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 2>/dev/null)

# The listed folder a path belongs to (the longest that holds it), or nothing.
folder_of() {
  local folder
  owner=""
  for folder in "${!floor_of[@]}"; do
    [[ $1 == "$folder"/* && ${#folder} -gt ${#owner} ]] && owner=$folder
  done
  return 0
}

# `a/b/../c` as `a/c`.
normalise() {
  local part
  local -a parts=() split
  IFS=/ read -r -a split <<<"$1"
  for part in "${split[@]}"; do
    case $part in
      . | "") ;;
      ..) ((${#parts[@]})) && unset 'parts[-1]' ;;
      *) parts+=("$part") ;;
    esac
  done
  local IFS=/
  normal="${parts[*]}"
}

# An include is looked for beside the file, then from the root, then in resources/ (the data
# headers are included as "forms/...", "menus/...").
resolve() {
  local dir=$1 name=$2
  target=""
  normalise "$dir/$name"
  for candidate in "$normal" "$name" "resources/$name"; do
    if [[ -n ${exists[$candidate]:-} ]]; then
      target=$candidate
      return 0
    fi
  done
  return 0
}

while IFS= read -r line; do
  file=${line%%:*}
  name=${line#*\"}
  name=${name%%\"*}
  folder_of "$file"
  own=$owner
  [[ -n $own ]] || continue
  resolve "${file%/*}" "$name"
  [[ -n $target ]] || continue
  folder_of "$target"
  [[ -n $owner && $owner != "$own" ]] || continue
  if ((${floor_of[$owner]} >= ${floor_of[$own]})); then
    echo "$file includes $target: $owner/ is not beneath $own/"
    problems=$((problems + 1))
  fi
done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
              --include='*.h' --include='*.cpp' "${tops[@]}" || true)

if ((problems)); then
  echo "$problems include(s) against the floors"
  exit 1
fi
echo "every include stays on its floor or goes down"
