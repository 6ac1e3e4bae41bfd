# Sourced by the applet scripts: opens the settings page that the running
# desktop (GNOME, KDE or Xfce) has for a subject, or tells the user in Danish
# that it has none.
# aabn SUBJECT GNOME KDE XFCE: each desktop's commands, the first one found
# wins; alternatives are separated by "|", and an empty text means none.

fortael() {
  if command -v zenity >/dev/null 2>&1; then
    zenity --info --title="Window applets" --text="$1"
  elif command -v kdialog >/dev/null 2>&1; then
    kdialog --title "Window applets" --msgbox "$1"
  elif command -v xmessage >/dev/null 2>&1; then
    xmessage -center "$1"
  elif command -v notify-send >/dev/null 2>&1; then
    notify-send "Window applets" "$1"
  else
    echo "$1" >&2
  fi
}

findes() {
  command -v "$1" >/dev/null 2>&1
}

aabn() {
  emne=$1
  case "${XDG_CURRENT_DESKTOP:-}:${DESKTOP_SESSION:-}" in
    *KDE* | *kde* | *plasma*) valg=$3 ;;
    *XFCE* | *xfce* | *Xfce*) valg=$4 ;;
    *GNOME* | *gnome* | *Unity* | *ubuntu*) valg=$2 ;;
    *)
      # No desktop named: the one whose settings program is there.
      if findes systemsettings; then valg=$3
      elif findes xfce4-settings-manager; then valg=$4
      elif findes gnome-control-center; then valg=$2
      else valg=
      fi ;;
  esac
  gammel=$IFS
  IFS='|'
  for kommando in $valg; do
    IFS=$gammel
    if findes "${kommando%% *}"; then
      # shellcheck disable=SC2086 # the command and its words
      exec $kommando
    fi
    IFS='|'
  done
  IFS=$gammel
  fortael "Dette skrivebord har ingen indstillingsside for \"$emne\"."
}
