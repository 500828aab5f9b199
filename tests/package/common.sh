# Shared by the install and package checks: what an install holds, and a start of the
# installed program on a virtual display. Sourced, not run.

# Every file an install puts under its prefix; nothing more may appear.
expected_files() {
  local lang
  echo bin/trevisto
  echo libexec/trevisto/trevisto
  echo libexec/trevisto/trevisto-bench
  echo libexec/trevisto/libbass.so
  echo libexec/trevisto/loading.avi
  for lang in english french german italian SimplifiedChinese TraditionalChinese spanish russian; do
    echo "libexec/trevisto/$lang.lng"
  done
  echo share/doc/trevisto/copyright
  echo share/doc/trevisto/changelog.gz
  echo share/man/man1/trevisto.1.gz
  echo share/applications/trevisto.desktop
  echo share/metainfo/org.trevisto.trevisto.metainfo.xml
  echo share/icons/hicolor/scalable/apps/trevisto.svg
  echo share/icons/hicolor/48x48/apps/trevisto.png
  echo share/icons/hicolor/128x128/apps/trevisto.png
  echo share/icons/hicolor/256x256/apps/trevisto.png
}

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Compares the files under $1 with the expected list, each path prefixed with $2.
check_file_list() {
  local root=$1 under=$2
  local found wanted
  found=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
  wanted=$(expected_files | sed "s|^|$under|" | sort)
  if [ "$found" != "$wanted" ]; then
    fail "the installed files differ from the expected list:"
    diff <(echo "$wanted") <(echo "$found") | sed 's/^/    /'
  fi
}

# Checks the installed program folder, the icons and the desktop entry under prefix $1.
check_install_contents() {
  local prefix=$1 size lang
  [ -x "$prefix/bin/trevisto" ] || fail "bin/trevisto is not executable"
  [ -x "$prefix/libexec/trevisto/trevisto" ] || fail "libexec/trevisto/trevisto is not executable"
  for size in 48 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/trevisto.png" | grep -q "PNG image data, $size x $size," ||
      fail "the ${size}x${size} icon is not a ${size} x ${size} PNG"
  done
  local entry=$prefix/share/applications/trevisto.desktop
  grep -qx 'Exec=trevisto %f' "$entry" || fail "the desktop entry does not start 'trevisto %f'"
  grep -qx 'Icon=trevisto' "$entry" || fail "the desktop entry does not name the icon"
  grep -qx 'Categories=AudioVideo;Audio;AudioVideoEditing;' "$entry" || fail "the desktop entry's categories"
  local type
  for type in audio/mpeg audio/ogg audio/x-aiff audio/x-wav audio/x-mod audio/x-s3m audio/x-xm audio/x-it; do
    grep -q "^MimeType=.*$type;" "$entry" || fail "the desktop entry does not take $type"
  done
  for lang in "" de es fr it ru zh_CN zh_TW; do
    local key=${lang:+\\[$lang\\]}
    grep -q "^Name$key=." "$entry" || fail "the desktop entry has no Name in '$lang'"
    grep -q "^Comment$key=." "$entry" || fail "the desktop entry has no Comment in '$lang'"
  done
  grep -q '<launchable type="desktop-id">trevisto.desktop</launchable>' \
    "$prefix/share/metainfo/org.trevisto.trevisto.metainfo.xml" ||
    fail "the metadata does not launch trevisto.desktop"
}

# Exit code that ctest reads as a skip.
readonly SKIPPED=77

# True when the tools for starting the program on a virtual display are all there.
have_display_tools() {
  local tool
  for tool in Xvfb xdotool timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is missing (scripts/install-deps.sh brings it)"
      return 1
    fi
  done
}

# A second of silence as a 16-bit mono WAV at 8000 Hz, written by hand so that the check
# needs nothing from the build.
write_silent_wav() {
  {
    printf 'RIFF\x44\x3e\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00'
    printf '\x40\x1f\x00\x00\x80\x3e\x00\x00\x02\x00\x10\x00data\x00\x3e\x00\x00'
    head -c 16000 /dev/zero
  } >"$1"
}

xvfb_pid=
program_pid=
stop_started() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  program_pid= xvfb_pid=
  return 0
}

# Starts $1 (an installed bin/trevisto) with a WAV file from a folder of its own, a fresh
# data prefix and a virtual display of its own, and checks that the window appears with
# that file loaded. $2 is a scratch folder.
check_starts_and_opens() {
  local program=$1 scratch=$2
  mkdir -p "$scratch/elsewhere" "$scratch/prefix"
  write_silent_wav "$scratch/elsewhere/silence.wav"

  # The server picks a free display and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
  xvfb_pid=$!
  local tries=0
  while [ ! -s "$scratch/display" ] && [ $tries -lt 100 ]; do
    sleep 0.1
    tries=$((tries + 1))
  done
  if [ ! -s "$scratch/display" ]; then
    fail "the virtual display did not start: $(cat "$scratch/xvfb.log")"
    return
  fi
  local display=":$(head -n1 "$scratch/display")"

  # A relative file name, resolved against the folder it was started from.
  (cd "$scratch/elsewhere" && DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    TREVISTO_PREFIX="$scratch/prefix" exec "$program" silence.wav) >"$scratch/program.log" 2>&1 &
  program_pid=$!

  local window
  window=$(DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --name '^Trevisto MP3 Editor' | head -n1)
  if [ -z "$window" ]; then
    fail "no program window appeared; its output: $(cat "$scratch/program.log")"
    return
  fi
  # Loading happens right after the window shows; give it a moment to name the file.
  local title wanted="Trevisto MP3 Editor -$scratch/elsewhere/silence.wav"
  for tries in $(seq 50); do
    title=$(DISPLAY=$display xdotool getwindowname "$window" 2>/dev/null)
    [ "$title" = "$wanted" ] && break
    sleep 0.1
  done
  [ "$title" = "$wanted" ] || fail "the window is titled '$title', not '$wanted'"
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended by itself"
  [ -f "$scratch/prefix/drive_c/temp.wav" ] || fail "no working file was written under the fresh prefix"
}
