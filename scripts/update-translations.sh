#!/usr/bin/env bash
# Brings the translation files up to date with the sources: new texts appear
# unfinished in each language, removed ones go. The English file holds only the
# plural forms ("%n peer(s)" -> "1 peer", "2 peers"), filled in here.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
"$lupdate" -locations none -no-obsolete src -ts translations/quorvelle_ru.ts translations/quorvelle_de.ts
"$lupdate" -locations none -no-obsolete -pluralonly src -ts translations/quorvelle_en.ts
python3 - translations/quorvelle_en.ts <<'PY'
import re, sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
def fill(m):
    source = m.group(1)
    one, many = source.replace("(s)", ""), source.replace("(s)", "s")
    return (f'<source>{source}</source>\n        <translation>\n'
            f'            <numerusform>{one}</numerusform>\n'
            f'            <numerusform>{many}</numerusform>\n        </translation>')
text = re.sub(r'<source>([^<]*)</source>\s*<translation type="unfinished">.*?</translation>',
              fill, text, flags=re.S)
open(path, "w", encoding="utf-8").write(text)
PY
