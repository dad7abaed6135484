#!/bin/bash
# Gathers every text a player reads or hears into data/po/vossmere.pot (from the XML by the rules
# in vossmere.its, from the code by its calls of tr), then brings each language's catalogue listed
# in data/po/LINGUAS up to date with it: a new text comes in untranslated, a changed one fuzzy.
# Run it from anywhere after changing a text; then translate what msgmerge left open.
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

common=(--from-code=UTF-8 --package-name=Vossmere --msgid-bugs-address=vossmere-translations --add-comments=TRANSLATORS:)
xgettext "${common[@]}" --its=tools/i18n/vossmere.its -o "$work/xml.pot" data/*.xml
xgettext "${common[@]}" --language=C++ --keyword= --keyword=tr:1,1t --keyword=tr:1,2c,2t --keyword=translate:1,2c,2t --keyword=report:1 \
  -o "$work/code.pot" $(git ls-files --cached --others --exclude-standard 'engine/*.cpp' 'game/*.cpp')
msgcat --use-first -o data/po/vossmere.pot "$work/xml.pot" "$work/code.pot"

for language in $(grep -v '^#' data/po/LINGUAS); do
  catalogue=data/po/$language.po
  if [ -e "$catalogue" ]; then
    msgmerge --quiet --update --backup=none --previous "$catalogue" data/po/vossmere.pot
  else
    msginit --no-translator --locale="$language" -i data/po/vossmere.pot -o "$catalogue"
    sed -i 's/charset=ASCII/charset=UTF-8/' "$catalogue"
  fi
  msgfmt --check --statistics -o /dev/null "$catalogue"
done
