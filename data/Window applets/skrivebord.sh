# Sourced by the applet scripts: opens the settings page that the running
# desktop (GNOME, KDE or Xfce) has for a subject, or tells the user in Danish
# that it has none. The settings program is started on its own, so the script
# ends at once and prints nothing.
# aabn SUBJECT GNOME KDE XFCE: each desktop's commands, the first one found
# wins; alternatives are separated by "|", and an empty text means none.

# Tavlum shows the text in its own message box: the script prints it in UTF-8
# and ends with exit status 3.
fortael() {
  printf '%s\n' "$1"
  exit 3
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
      $kommando </dev/null >/dev/null 2>&1 &
      exit 0
    fi
    IFS='|'
  done
  IFS=$gammel
  fortael "Dette skrivebord har ingen indstillingsside for \"$emne\"."
}
