#!/bin/sh
# Creates the private Wine prefix once, with Japanese font replacements for the dialog fonts.
. "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.tavlo-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
key='HKCU\Software\Wine\Fonts\Replacements'
for pair in "ＭＳ ゴシック=IPAGothic" "ＭＳ Ｐゴシック=IPAPGothic" "MS Gothic=IPAGothic" \
            "MS PGothic=IPAPGothic" "MS UI Gothic=IPAPGothic" "ＭＳ 明朝=IPAMincho" "MS Mincho=IPAMincho"; do
    wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
done
wineserver -w
touch "$WINEPREFIX/.tavlo-ready"
