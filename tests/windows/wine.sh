# Sourced by the Windows tests. wine_i FOLDER: this shell's Wine is one of that
# folder's own, made there the first time. Wine links Documents and the rest to
# $HOME, and its recycle bin needs the XDG data folder: all of it stays inside
# the folder. One server serves every Wine process until the shell ends.
wine_i() {
  export WINEPREFIX=$1/wineprefix WINEARCH=win64 HOME=$1/home
  export XDG_DATA_HOME=$1/home/.local/share XDG_CONFIG_HOME=$1/home/.config
  export XDG_CACHE_HOME=$1/home/.cache LANG=C.UTF-8
  export WINEDEBUG=-all,err+module WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
  mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME"
  [ -d "$WINEPREFIX" ] || wineboot -i </dev/null >/dev/null 2>&1 || true
  # It must not hold the caller's output open.
  wineserver -p </dev/null >/dev/null 2>&1 || true
  trap 'wineserver -k 2>/dev/null || true' EXIT
}
