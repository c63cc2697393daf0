# Sourced by the other scripts: a private Wine prefix in code page 936.
#   source scripts/wine-env.sh <build-dir>
# Exports WINEPREFIX, LANG, WINEDEBUG and defines wine_prepare, wine_server_start,
# wine_server_stop.

export WINEPREFIX="$(cd "$1" && pwd)/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
# No Mono or Gecko installer prompts while the prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Where Wine's 32-bit loader cannot run (a kernel without IA-32 emulation),
# Debian's `wine` still picks it and fails: `wine` and `wine-stable` then go
# straight to the 64-bit loader, which runs the 64-bit build.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine64 ]; then
  _shim="$(cd "$1" && pwd)/wine-bin"
  mkdir -p "$_shim"
  for _name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' > "$_shim/$_name"
    chmod +x "$_shim/$_name"
  done
  export PATH="$_shim:$PATH"
  export WINELOADER=/usr/lib/wine/wine64
  unset _shim _name
fi

# Creates the prefix once, gives GDI+ the substitutes for the family "宋体"
# and keeps every window with Wine (no window manager is waited for).
wine_prepare() {
  local stamp="$WINEPREFIX/.rollcall-ready"
  [ -f "$stamp" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  local reg="$WINEPREFIX/rollcall-fonts.reg"
  # regedit reads .reg files as UTF-16LE with a byte-order mark.
  {
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"宋体"="AR PL UMing CN"\r\n'
    printf '"SimSun"="AR PL UMing CN"\r\n'
    printf '"新宋体"="AR PL UMing CN"\r\n'
    printf '"NSimSun"="AR PL UMing CN"\r\n\r\n'
    # The virtual display has no window manager: a window Wine leaves to one
    # is never decorated by it, but each such window that was shown waits
    # two seconds on its way out for a manager to let it go. Wine keeps
    # every window itself instead, drawing the platform's frames as it does
    # without a manager anyway.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n'
    printf '"Managed"="N"\r\n\r\n'
  } | iconv -f UTF-8 -t UTF-16 > "$reg"
  wine regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

wine_server_start() {
  wineserver -p
  # The first program after a server start launches Wine's services; let them
  # come up now so that later output pipes close when their program ends.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

wine_server_stop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
