#!/usr/bin/env bash
# The Debian package made from the build folder: its name, its dependencies, its files
# once unpacked into a fresh folder, and the unpacked program starting on a virtual display.
# Usage: debian_package_test.sh CPACK BUILD_DIR
set -uo pipefail
cpack=$1 build=$2
here=$(dirname "$0")
source "$here/common.sh"

for tool in dpkg-deb dpkg-shlibdeps dpkg; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is missing (scripts/install-deps.sh brings dpkg-dev)"
    exit $SKIPPED
  fi
done

scratch=$(mktemp -d)
trap 'stop_started; rm -rf "$scratch"' EXIT

if ! (cd "$scratch" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out") \
  >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack -G DEB failed"
  exit 1
fi

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
package=$scratch/out/trevisto_${version}_$(dpkg --print-architecture).deb
if [ -z "$version" ] || [ ! -f "$package" ]; then
  echo "FAIL: no $(basename "$package"); made: $(ls "$scratch/out")"
  exit 1
fi

depends=$(dpkg-deb -f "$package" Depends)
for needed in fonts-noto-cjk libqt6widgets6 libqt6svg6 libmpg123-0 libsndfile1 libopenmpt0 libsdl2 libmp3lame0 \
  libsoxr0 libasound2 libc6; do
  [[ ", $depends" == *", $needed"* ]] || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$package" Package)" = trevisto ] || fail "the package is not named trevisto"
[[ "$(dpkg-deb -f "$package" Maintainer)" =~ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "the Maintainer has no address"
# The decoding library is the program's own: nothing for the linker's cache to learn.
dpkg-deb -e "$package" "$scratch/control"
if grep -qs ldconfig "$scratch/control/postinst" "$scratch/control/postrm"; then
  fail "a maintainer script runs ldconfig"
fi
# Every entry belongs to root, as an installed system file must.
owners=$(dpkg-deb -c "$package" | awk '{print $2}' | sort -u)
[ "$owners" = "root/root" ] || fail "entries owned by $owners"

dpkg -x "$package" "$scratch/root"
check_file_list "$scratch/root" "usr/"
check_install_contents "$scratch/root/usr"
# Stripped: the debugging information stays in the build.
file -L "$scratch/root/usr/libexec/trevisto/trevisto" | grep -q ', stripped' || fail "the program is not stripped"
[ "$failures" -eq 0 ] || exit 1

have_display_tools || exit $SKIPPED
check_starts_and_opens "$scratch/root/usr/bin/trevisto" "$scratch/run"
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$package") holds the program, and the unpacked program starts."
