#!/usr/bin/env bash
# catalogue_check.sh TEXT_TEMPLATE: fails where po/datetime-cfg-creator.pot is not the template
# the sources make now (scripts/texts writes it anew), or where a catalogue in po/ lacks the
# translation of one of its texts, or holds one only as a guess (fuzzy).
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
exit $failed
