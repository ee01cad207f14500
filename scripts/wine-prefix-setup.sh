#!/usr/bin/env bash
# Settings of the project's Wine prefix: Chinese text legible under any
# locale (font links to WenQuanYi) and a virtual desktop, so windows get
# title bars in screenshots.
set -u
font='wqy-microhei.ttc,WenQuanYi Micro Hei'
key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" SimSun KaiTi; do
  wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "$font" /f
done
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
wineserver -w
