# Sourced by the scripts that run the Windows program and its tests: a Wine
# prefix of the project's own, an X display, and a Chinese locale.
#   QUORVIN_ROOT   the checkout (default: this script's parent folder)
# Exports WINEPREFIX, WINEDEBUG, DISPLAY, LOCPATH and QUORVIN_ZH_LANG.

QUORVIN_ROOT=${QUORVIN_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$QUORVIN_ROOT/build/wine-prefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installers

# A generated zh_CN locale makes Wine's ANSI code page 936, as on a Chinese
# Windows. Tests opt into it with: env LANG=$QUORVIN_ZH_LANG LOCPATH=...
export LOCPATH=$QUORVIN_ROOT/build/locale
export QUORVIN_ZH_LANG=zh_CN.UTF-8
if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
  mkdir -p "$LOCPATH"
  localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" >/dev/null 2>&1 || true
fi

# An X display: the one attached, or a private Xvfb. Xvfb picks a free
# display number itself and writes it once it listens, so two runs started
# at the same moment (other checkouts' tests) never share one display, and
# one run's end never takes another's display away.
if [ -z "${DISPLAY:-}" ]; then
  quorvin_display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
    3>"$quorvin_display_file" >/dev/null 2>&1 </dev/null &
  QUORVIN_XVFB_PID=$!
  for _ in $(seq 200); do  # up to 20 s on a busy machine
    [ -s "$quorvin_display_file" ] && break
    kill -0 "$QUORVIN_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ -s "$quorvin_display_file" ]; then
    export DISPLAY=":$(head -n 1 "$quorvin_display_file")"
  else
    echo "wine-env.sh: Xvfb did not start" >&2
    unset QUORVIN_XVFB_PID
  fi
  rm -f "$quorvin_display_file"
fi

# The prefix, made once; then a persistent server started with its output
# away from any pipe (Wine's helpers would otherwise hold the pipe open).
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  "$QUORVIN_ROOT/scripts/wine-prefix-setup.sh" >/dev/null 2>&1 </dev/null || true
fi
wineserver -p >/dev/null 2>&1 </dev/null
wine cmd /c exit >/dev/null 2>&1 </dev/null

# Ends the Wine server of the prefix and the private Xvfb, if one was started.
quorvin_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${QUORVIN_XVFB_PID:-}" ]; then
    kill "$QUORVIN_XVFB_PID" 2>/dev/null || true
  fi
}
