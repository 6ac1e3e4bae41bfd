# What the end-to-end scripts share: checks that count, a work folder, and the
# program started, found, keyed and waited for under X. Sourced; `bin` is set.
passed=0 failed=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $what"
  else failed=$((failed + 1)); echo "FAIL: $what"; fi
}

work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

start() { # home
  HOME=$1 QT_QPA_PLATFORM=xcb "$bin" >>"$work/log" 2>&1 &
  pid=$!
}
window() { # name pattern: waits for a visible window of the program
  timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | head -n 1
}
keys() { # window id, then keys: there is no window manager, so give it the focus first
  local w=$1; shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  xdotool key "$@"
}
closed() { # window id: waits until it is no longer shown
  for _ in $(seq 50); do
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}
wait_exit() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || { wait "$pid"; pid=; return 0; }; sleep 0.1; done
  return 1
}
