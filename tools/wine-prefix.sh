#!/bin/sh
# Creates the private Wine prefix once, with Japanese font replacements for the dialog fonts.
. "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.tavlo-ready-3" ] && exit 0
mkdir -p "$WINEPREFIX"
wine wineboot -i >/dev/null 2>&1
key='HKCU\Software\Wine\Fonts\Replacements'
for pair in "ＭＳ ゴシック=IPAGothic" "ＭＳ Ｐゴシック=IPAPGothic" "MS Gothic=IPAGothic" \
            "MS PGothic=IPAPGothic" "MS UI Gothic=IPAPGothic" "ＭＳ 明朝=IPAMincho" "MS Mincho=IPAMincho"; do
    wine reg add "$key" /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f >/dev/null 2>&1
done
# A virtual desktop: without a window manager, hiding or destroying a top-level X window makes
# Wine wait two seconds for a state change that never comes.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
# A crashing program ends at once instead of waiting in the debugger.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.tavlo-ready-3"
