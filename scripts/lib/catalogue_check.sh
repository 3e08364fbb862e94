#!/usr/bin/env bash
# catalogue_check.sh TEXT_TEMPLATE: fails where po/datetime-cfg-creator.pot is not the template
# the sources make now (scripts/texts writes it anew), or where a catalogue in po/ lacks the
# translation of one of its texts, holds one only as a guess (fuzzy), or has a translation that
# lost or gained a placeholder.
set -u
cd "$(dirname "$0")/../.."
source scripts/lib/text_template.sh
fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
failed=0
make_text_template "$fresh" "$1" || failed=1
if ! diff -u <(grep -v '^#:' po/datetime-cfg-creator.pot) <(grep -v '^#:' "$fresh"); then
  echo "po/datetime-cfg-creator.pot is out of date: run scripts/texts and translate what is new"
  failed=1
fi
for catalogue in po/*.po; do
  if ! msgcmp "$catalogue" "$fresh"; then
    echo "$catalogue: a text above has no translation"
    failed=1
  fi
done
# A translation must keep its placeholders ({1}, {2}, …): one lost or added would show a value in
# the wrong place, or none. The catalogues are written without wrapping, one line a string.
for catalogue in po/*.po; do
  if ! awk -v file="$catalogue" '
    function marks(text,   found, list) {
      list = ""
      while (match(text, /\{[0-9]+\}/)) {
        found = substr(text, RSTART, RLENGTH)
        list = list found
        text = substr(text, RSTART + RLENGTH)
      }
      return list
    }
    function sorted(list,   n, parts, i, j, t, out) {
      n = split(list, parts, "}")
      for (i = 1; i < n; i++)
        for (j = i + 1; j < n; j++)
          if (parts[j] < parts[i]) { t = parts[i]; parts[i] = parts[j]; parts[j] = t }
      out = ""
      for (i = 1; i < n; i++) out = out parts[i] "}"
      return out
    }
    /^msgid "/ { id = substr($0, 8); next }
    /^msgstr "/ {
      text = substr($0, 9)
      if (id != "\"" && text != "\"" && sorted(marks(id)) != sorted(marks(text))) {
        print file ": the translation of \"" id " does not keep its placeholders"
        bad = 1
      }
    }
    END { exit bad }' "$catalogue"; then
    failed=1
  fi
done
exit $failed
