#!/usr/bin/env bash
# Manages the project's Wine prefix under build/wine.
#   wine-prefix.sh start   create the prefix if needed, then start a
#                          persistent wineserver and Wine's services,
#                          detached from every pipe of the caller
#   wine-prefix.sh stop    stop them
# Detaching matters: Wine's services inherit the pipes of the first Wine
# process, and ctest would wait for them after every test.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${NOTAVION_WINEPREFIX:-$top/build/wine}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

start() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  setsid wineserver -p </dev/null >/dev/null 2>&1 &
  # wineboot creates the prefix on first use; it returns once Wine's
  # services run.
  setsid -w wine wineboot -i </dev/null >/dev/null 2>&1
  if [[ ! -f $WINEPREFIX/.notavion-fonts ]]; then
    # The skin names "微软雅黑"; WenQuanYi Micro Hei stands in for it. The
    # registry file is UTF-16 so that the name survives any Unix locale.
    local reg="$WINEPREFIX/notavion-fonts.reg"
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
      '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
      '"微软雅黑"="WenQuanYi Micro Hei"' '' | iconv -f UTF-8 -t UTF-16 > "$reg"
    setsid -w wine regedit /S "$reg" </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.notavion-fonts"
  fi
}

stop() {
  wineserver -k >/dev/null 2>&1 || true
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
