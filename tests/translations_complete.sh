#!/bin/sh
# Every text of the desktop program has a translation in every language:
# lupdate reads the sources into a copy of each .ts file, and no message may
# be left unfinished (a new or changed text) or vanished (a text no longer used).
# usage: translations_complete.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
# The files besides shell/ and view/, listed once for the build and for this test.
more=$(sed -n 's|^\([^#].*\)|'"$root"'/\1|p' "$root/resources/translations/sources.txt")
# A text marked for translation in a file the list leaves out would stay English.
for file in $(grep -l 'QT_TRANSLATE_NOOP(' "$root"/engine/*.cpp "$root"/document/*.cpp "$root"/web/*.cpp); do
  case " $more " in
    *"$file"*) ;;
    *) echo "${file#"$root"/} marks texts for translation but is not in resources/translations/sources.txt" >&2
       status=1 ;;
  esac
done
for ts in "$root"/resources/translations/*.ts; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  # shellcheck disable=SC2086  # the list is one file name per word
  "$lupdate" -silent -locations none -extensions cpp,h "$root/shell" "$root/view" $more -ts "$copy" >/dev/null
  if grep -q 'type="\(unfinished\|vanished\|obsolete\)"' "$copy"; then
    echo "$(basename "$ts"): texts without a translation:" >&2
    grep -B2 'type="\(unfinished\|vanished\|obsolete\)"' "$copy" | grep '<source>' >&2
    status=1
  fi
done
exit $status
