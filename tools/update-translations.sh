#!/usr/bin/env bash
# Brings translations/monocl_en.ts up to date with the texts in the code:
# new texts come in unfinished, texts gone from the code are dropped. The
# Qt-free layers mark their texts with MONOCL_TR and MONOCL_NOOP.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
"$lupdate" -silent -locations none -no-obsolete -source-language ru_RU -target-language en_GB \
    -tr-function-alias translate+=MONOCL_TR,QT_TRANSLATE_NOOP+=MONOCL_NOOP \
    ui texts document -ts translations/monocl_en.ts
