#!/bin/sh
# Installs the build into a staging folder (DESTDIR) and checks the layout and
# that everything is readable by all: once with the usual umask, once with a
# strict one, under which only the folders that install creates on the way
# (share/icons/..., shared with other programs) may stay closed.
set -eu
build=$1
fail=0
problem() { echo "FAIL: $*"; fail=1; }
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The build folder is a program folder for every user too.
unreadable=$(find "$build/app" -type f ! -perm -0444)
[ -z "$unreadable" ] || problem "build/app files not readable by all: $unreadable"

for mask in 022 077; do
  rm -rf "$stage/usr"
  (umask $mask && DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null)
  root=$stage/usr

  for f in bin/zorna bin/zorna-results share/applications/ua.zorna.Results.desktop share/zorna/help/help.htm share/zorna/map.png share/zorna/map@2x.png \
           share/zorna/guk11.gif share/zorna/guk34.gif share/zorna/kletka30/telega.gif \
           share/zorna/h_point.cur share/zorna/open.bmp share/zorna/kletka2/1.jpg \
           share/zorna/kletka16/quetkr16.dat share/zorna/drawings/common/done.png \
           share/zorna/drawings/common/done@2x.png share/applications/ua.zorna.Zorna.desktop \
           share/metainfo/ua.zorna.Zorna.metainfo.xml \
           share/icons/hicolor/16x16/apps/ua.zorna.Zorna.png \
           share/icons/hicolor/256x256/apps/ua.zorna.Zorna.png; do
    [ -f "$root/$f" ] || problem "missing $f"
  done
  # The executable finds the program folder relative to itself.
  [ -d "$root/bin/../share/zorna/kletka2" ] || problem "share/zorna is not beside bin/"
  # Neither the executable nor any game in the read-only program folder.
  for f in zorna zorna-results zorna.lock Temp temp Save save results.sqlite results.sqlite-wal; do
    [ ! -e "$root/share/zorna/$f" ] || problem "share/zorna/$f must not be installed"
  done

  for program in zorna zorna-results; do
    [ "$(stat -c %a "$root/bin/$program")" = 755 ] || problem "umask $mask: bin/$program is not 0755"
  done
  bad_files=$(find "$stage" -type f ! -perm 0644 ! -path "$root/bin/zorna" ! -path "$root/bin/zorna-results")
  [ -z "$bad_files" ] || problem "umask $mask: files not 0644: $bad_files"
  if [ $mask = 022 ]; then folders=$root; else folders=$root/share/zorna; fi
  bad_dirs=$(find "$folders" -type d ! -perm 0755)
  [ -z "$bad_dirs" ] || problem "umask $mask: folders not 0755: $bad_dirs"
done
exit $fail
