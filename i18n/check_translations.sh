#!/usr/bin/env bash
# Fails when a shipped language misses a translation or keeps a stale one.
# Runs lupdate over the sources into copies of the .ts files (the files in
# the tree are left alone) and looks for entries it marks unfinished,
# obsolete or vanished; then checks that each language has a help page
# with the English page's headings, list items, table rows and picture.
# usage: check_translations.sh LUPDATE HELP_DIR -options OPTION... -sources FILE... -ts FILE...
set -euo pipefail

lupdate=$1 help_dir=$2
shift 2
options=() sources=() ts_files=() into=
for argument in "$@"; do
  case "$argument" in
    -options | -sources | -ts) into=$argument ;;
    *) case "$into" in
         -options) options+=("$argument") ;;
         -sources) sources+=("$argument") ;;
         -ts) ts_files+=("$argument") ;;
         *) echo "check_translations: '$argument' before -options, -sources or -ts" >&2; exit 2 ;;
       esac ;;
  esac
done
[[ ${#sources[@]} -gt 0 && ${#ts_files[@]} -gt 0 ]] || { echo "check_translations: no sources or no .ts files" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "${ts_files[@]}"; do
  cp "$ts" "$work/"
  copies+=("$work/$(basename "$ts")")
done
"$lupdate" -silent "${options[@]}" "${sources[@]}" -ts "${copies[@]}" >"$work/lupdate.log" 2>&1 ||
  { cat "$work/lupdate.log" >&2; echo "check_translations: lupdate failed" >&2; exit 1; }

# The shape of a help page: how many of each element it has.
shape() { grep -o -E '<(h2|h3|li|tr|img|code)[ >]' "$1" | sort | uniq -c | tr -s ' ' | tr '\n' ';'; }
english_shape=$(shape "$help_dir/help.html")

failed=0
for copy in "${copies[@]}"; do
  name=$(basename "$copy" .ts)
  language=${name#pelmora_}
  # Each entry's source and the kind of translation it has, one a line.
  bad=$(python3 - "$copy" <<'PY'
import sys
import xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    kind = message.find("translation").get("type")
    if kind in ("unfinished", "obsolete", "vanished"):
        print(f"  {kind}: {message.find('source').text!r}")
PY
)
  if [[ -n "$bad" ]]; then
    echo "$language: translations missing or stale (run the target update_translations and translate):"
    echo "$bad"
    failed=1
  fi
  page="$help_dir/help_$language.html"
  if [[ ! -f "$page" ]]; then
    echo "$language: no help page $page"
    failed=1
  elif [[ "$(shape "$page")" != "$english_shape" ]]; then
    echo "$language: the help page $page does not have the English page's parts: $(shape "$page") against $english_shape"
    failed=1
  fi
done
[[ $failed -eq 0 ]] && echo "check_translations: ${#copies[@]} languages complete and current"
exit $failed
