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
# Wine rewrites the links of Tahoma and Microsoft Sans Serif whenever the
# ANSI code page changes (a run under zh_CN, then one under C), and title
# bars and message boxes then show Chinese as boxes. Their fonts are set to
# a Chinese face outright, as on a Chinese Windows, which no link can undo.
logfont() {  # height weight face -> a LOGFONTW as hex
  /usr/bin/python3 -c 'import struct, sys
h, w, face = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
lf = struct.pack("<5l8B", h, 0, 0, 0, w, 0, 0, 0, 1, 0, 0, 0, 0)
print((lf + face.encode("utf-16-le").ljust(64, b"\0")).hex())' "$@"
}
metrics='HKCU\Control Panel\Desktop\WindowMetrics'
for name in CaptionFont SmCaptionFont; do
  wine reg add "$metrics" /v $name /t REG_BINARY /d "$(logfont -12 700 'WenQuanYi Micro Hei')" /f
done
for name in MenuFont StatusFont MessageFont IconFont; do
  wine reg add "$metrics" /v $name /t REG_BINARY /d "$(logfont -12 400 'WenQuanYi Micro Hei')" /f
done
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
wineserver -w
