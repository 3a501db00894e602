# Shared by the scripts that start Windows programs: where the Wine prefix is, and how
# its wineserver and display are brought up and torn down. Sourced, never run.

: "${root:?root must be set by the sourcing script}"
MARLIVO_BUILD=${MARLIVO_BUILD:-$root/build}
export WINEPREFIX=${MARLIVO_WINEPREFIX:-$MARLIVO_BUILD/wineprefix}
export WINEDEBUG=${MARLIVO_WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}   # no Mono or Gecko prompts
MARLIVO_XVFB_STATE=$MARLIVO_BUILD/xvfb.state

if command -v wine64 >/dev/null 2>&1; then MARLIVO_WINE=wine64
elif [ -x /usr/lib/wine/wine64 ]; then MARLIVO_WINE=/usr/lib/wine/wine64
else MARLIVO_WINE=wine; fi
if command -v wineserver >/dev/null 2>&1; then MARLIVO_WINESERVER=wineserver
else MARLIVO_WINESERVER=/usr/lib/wine/wineserver; fi

marlivo_display_alive() {
  [ -f "$MARLIVO_XVFB_STATE" ] || return 1
  local pid display
  read -r pid display <"$MARLIVO_XVFB_STATE" || return 1
  kill -0 "$pid" 2>/dev/null || return 1
  export DISPLAY=:$display
}

# One Xvfb per build folder, on the first free display number.
marlivo_start_display() {
  marlivo_display_alive && return 0
  command -v Xvfb >/dev/null 2>&1 || return 0
  local fifo pid display
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/marlivo-xvfb.XXXXXX")
  mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
  pid=$!
  display=$(timeout 20 head -n 1 "$fifo")
  rm -f "$fifo"
  [ -n "$display" ] || { kill "$pid" 2>/dev/null; return 1; }
  echo "$pid $display" >"$MARLIVO_XVFB_STATE"
  export DISPLAY=:$display
}

marlivo_start_wineserver() {
  # wineserver puts itself in the background once it listens; when a server for this
  # prefix is already up it ends at once with status 2.
  setsid "$MARLIVO_WINESERVER" -p </dev/null >/dev/null 2>&1
  return 0
}

# Makes the prefix once (under a lock, since ctest runs tests side by side), then makes
# sure the wineserver and the display are up.
marlivo_wine_prepare() {
  mkdir -p "$MARLIVO_BUILD"
  exec 9>"$MARLIVO_BUILD/wineprefix.lock"
  flock 9
  if [ -z "${MARLIVO_NO_DISPLAY:-}" ] && [ -z "${MARLIVO_KEEP_DISPLAY:-}" ]; then
    marlivo_start_display || echo "wine-run: could not start Xvfb" >&2
  fi
  if [ ! -f "$WINEPREFIX/.marlivo-ready" ]; then
    mkdir -p "$WINEPREFIX"
    marlivo_start_wineserver
    LC_ALL=C setsid "$MARLIVO_WINE" wineboot -u </dev/null >/dev/null 2>&1
    touch "$WINEPREFIX/.marlivo-ready"
  fi
  # The registry files are applied again whenever they change, so that a prefix made
  # before a new file came in gets it too (importing a file twice changes nothing).
  local stamp
  stamp=$(cat "$root"/scripts/wine/*.reg 2>/dev/null | cksum)
  if [ "$stamp" != "$(cat "$WINEPREFIX/.marlivo-reg" 2>/dev/null)" ]; then
    marlivo_start_wineserver
    local reg
    for reg in "$root"/scripts/wine/*.reg; do
      [ -f "$reg" ] || continue
      LC_ALL=C setsid "$MARLIVO_WINE" regedit /S "$(winepath_of "$reg")" </dev/null >/dev/null 2>&1
    done
    echo "$stamp" >"$WINEPREFIX/.marlivo-reg"
  fi
  # The caption buttons are drawn with Marlett, which this Wine does not find among its
  # own data files: without a copy in the prefix's font folder the title bars show
  # letters where the buttons belong.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  marlivo_start_wineserver
  flock -u 9
  exec 9>&-
}

# A Unix path as Wine's Z: drive shows it.
winepath_of() {
  printf 'Z:%s' "$(realpath "$1" | tr '/' '\\')"
}

# Stops the wineserver (and every Wine process of the prefix) and the Xvfb of this build.
marlivo_wine_shutdown() {
  "$MARLIVO_WINESERVER" -k 2>/dev/null
  "$MARLIVO_WINESERVER" -w 2>/dev/null
  if [ -f "$MARLIVO_XVFB_STATE" ]; then
    local pid display
    read -r pid display <"$MARLIVO_XVFB_STATE"
    [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
    rm -f "$MARLIVO_XVFB_STATE"
  fi
}
