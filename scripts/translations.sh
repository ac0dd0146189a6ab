#!/usr/bin/env bash
# The translators' commands, over translations/norrid_<language>.ts (the languages are listed in
# translations/CMakeLists.txt):
#   scripts/translations.sh update         every .ts takes the texts of src as they are now
#   scripts/translations.sh add LANGUAGE   a new language (it, nl, pt_BR …): its .ts, listed for the build
#   scripts/translations.sh check          fails when a .ts lacks a text of src, keeps one src no longer
#                                          has, or leaves one untranslated
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
list=translations/CMakeLists.txt

languages() { sed -n 's/^set(norrid_languages \(.*\))$/\1/p' "$list"; }
# No locations and no obsolete entries: a changed text changes its own lines and nothing else.
run_lupdate() { "$lupdate" -silent -no-obsolete -locations none src -ts "$@"; }

case "${1:-}" in
update)
  files=()
  for language in $(languages); do files+=("translations/norrid_$language.ts"); done
  run_lupdate "${files[@]}"
  ;;
add)
  language=${2:-}
  if ! [[ $language =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]]; then
    echo "usage: make add-language LANG=xx (a language code such as it, nl or pt_PT)" >&2
    exit 2
  fi
  if [[ " $(languages) " == *" $language "* ]]; then
    echo "$language is already translated: translations/norrid_$language.ts" >&2
    exit 1
  fi
  sorted=$(printf '%s\n' $(languages) "$language" | sort | tr '\n' ' ')
  sed -i "s/^set(norrid_languages .*)$/set(norrid_languages ${sorted% })/" "$list"
  run_lupdate "translations/norrid_$language.ts"
  echo "Added translations/norrid_$language.ts: translate its texts (Qt Linguist: /usr/lib/qt6/bin/linguist), then build."
  ;;
check)
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  failed=0
  for language in $(languages); do
    file=translations/norrid_$language.ts
    cp "$file" "$scratch/"
    run_lupdate "$scratch/norrid_$language.ts"
    if ! diff -u "$file" "$scratch/norrid_$language.ts" >"$scratch/$language.diff"; then
      echo "$file differs from the texts of src; run make update-translations and translate:" >&2
      grep '^[-+] *<source>' "$scratch/$language.diff" >&2 || cat "$scratch/$language.diff" >&2
      failed=1
    fi
    if unfinished=$(grep -c 'type="unfinished"' "$scratch/norrid_$language.ts"); then
      echo "$file has $unfinished untranslated text(s)." >&2
      failed=1
    fi
  done
  exit $failed
  ;;
*)
  echo "usage: $0 update | add LANGUAGE | check" >&2
  exit 2
  ;;
esac
