# make_text_template OUTPUT TEXT_TEMPLATE: writes the template of every text a person reads to
# OUTPUT: the screens' texts as TEXT_TEMPLATE (the tool of that name) lists them from the screens'
# tables, and the texts that the sources under src/ mark with language::Translate or
# language::ToTranslate. Run from the project's root.
make_text_template() {
  local output=$1 tool=$2 work status=0
  work=$(mktemp -d)
  "$tool" >"$work/screens.po" || status=1
  find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort >"$work/files"
  xgettext --from-code=UTF-8 --language=C++ --no-wrap --sort-by-file \
    --add-comments=Translators: --keyword= --keyword=Translate:1 --keyword=Translate:1c,2 \
    --keyword=ToTranslate:1 --keyword=ToTranslate:1c,2 --files-from="$work/files" \
    --output="$work/sources.pot" --package-name=datetime-cfg-creator || status=1
  # xgettext writes nothing where the sources mark no text.
  local sources=()
  [ -f "$work/sources.pot" ] && sources=("$work/sources.pot")
  msgcat --no-wrap --use-first "${sources[@]}" "$work/screens.po" |
    sed -e 's/^"Content-Type: text\/plain; charset=CHARSET\\n"/"Content-Type: text\/plain; charset=UTF-8\\n"/' \
      -e '/^"POT-Creation-Date: /d' >"$output" || status=1
  rm -rf "$work"
  return $status
}
