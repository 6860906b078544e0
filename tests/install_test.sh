#!/usr/bin/env bash
# Installs the build into a temporary prefix, as `cmake --install` does for a
# user or a package, and checks what a desktop needs of it: every file in its
# place, the menu entry and the metainfo passing their validators, the manual
# page rendering without a warning and naming every option, and the program
# running from there.
# usage: install_test.sh CMAKE BUILD_DIRECTORY BUILT_PROGRAM VERSION
set -euo pipefail
cmake=$1 build=$2 built_program=$3 version=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "install test: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

id=org.pelmora.Pelmora
expected=(bin/pelmora "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" share/man/man1/pelmora.1.gz
          share/doc/pelmora/copyright share/doc/pelmora/changelog.gz "share/icons/hicolor/scalable/apps/$id.svg")
for size in 16 24 32 48 64 128 256 512; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
difference=$(diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort)) ||
  fail "the installed files are not the expected ones (< missing, > not expected):"$'\n'"$difference"

entry=$prefix/share/applications/$id.desktop
if ! report=$(desktop-file-validate "$entry" 2>&1) || [[ -n "$report" ]]; then
  fail "desktop-file-validate:"$'\n'"$report"
fi
# Pedantic, as the app stores check it. Two notes are expected: the id keeps
# its capitals (renaming it would orphan every installed entry), and
# AppStream before 1.0 does not know the <developer> tag the stores ask for.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli validate:"$'\n'"$report"
expected_notes='^P: [^ ]* cid-contains-uppercase-letter |^I: [^ ]* unknown-tag developer$'
if [[ $(appstreamcli --version) != *" 0."* ]]; then expected_notes='^P: [^ ]* cid-contains-uppercase-letter '; fi
if grep '^[EWIP]: ' <<<"$report" | grep -Evq "$expected_notes"; then
  fail "appstreamcli validate --pedantic:"$'\n'"$report"
fi
grep -q '<release version="'"$version"'" date="[0-9-]*">' "$metainfo" || fail "the metainfo has no release $version"

# The screenshots are the program's own pictures, kept in docs/screenshots at
# the sizes the metainfo gives: drawn again, they are the same bytes.
source_folder=$(dirname "$0")/..
"$source_folder/desktop/make-screenshots.sh" "$built_program" "$work/screenshots"
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'; }
while read -r width height file; do
  [[ -f "$source_folder/$file" ]] || fail "the metainfo shows $file, which is not in the repository"
  [[ $(png_size "$source_folder/$file") == "${width}x$height" ]] || fail "$file is not $width by $height"
  cmp -s "$source_folder/$file" "$work/screenshots/${file##*/}" ||
    fail "$file is not what the program draws now: run desktop/make-screenshots.sh build/tests/pelmora"
done < <(sed -n 's|.*<image type="[a-z]*" width="\([0-9]*\)" height="\([0-9]*\)">https://[^<]*/raw/branch/main/\([^<]*\)</image>|\1 \2 \3|p' "$metainfo")
[[ $(grep -c '<image ' "$metainfo") -eq $(ls "$work/screenshots" | wc -l) ]] || fail "the metainfo does not show every screenshot"

# The page as lintian checks it: groff's warnings on standard error.
page=$prefix/share/man/man1/pelmora.1.gz
if ! report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
  [[ -n "$report" ]]; then
  fail "man reports on the manual page:"$'\n'"$report"
fi
rendered=$(MANWIDTH=80 man -l "$page")
help=$("$prefix/bin/pelmora" --help) || fail "the installed program's --help fails"
while read -r option; do
  grep -q -- "$option" <<<"$rendered" || fail "the manual page does not describe $option"
done < <(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)

shown=$("$prefix/bin/pelmora" --version) || fail "the installed program's --version fails"
[[ "$shown" == "pelmora $version" ]] || fail "the installed program's --version says '$shown', not 'pelmora $version'"
# Every command of the menu entry is one the program takes; run headless.
while read -r command; do
  read -r -a words <<<"${command#Exec=}"
  [[ "${words[0]}" == pelmora ]] || fail "the menu entry runs '${words[0]}', not pelmora"
  "$prefix/bin/pelmora" "${words[@]:1}" --at "2026-12-07 06:00" --snapshot "$work/entry.png" ||
    fail "the menu entry's command '${command#Exec=}' fails"
done < <(grep '^Exec=' "$entry")
# The installed program draws what the built one does.
sky=(--at "2026-12-07 06:00" --script "tick*120" --snapshot)
"$prefix/bin/pelmora" "${sky[@]}" "$work/installed.png" || fail "the installed program could not write a snapshot"
"$built_program" "${sky[@]}" "$work/built.png" || fail "the built program could not write a snapshot"
cmp -s "$work/installed.png" "$work/built.png" || fail "the installed program's snapshot differs from the built one's"
