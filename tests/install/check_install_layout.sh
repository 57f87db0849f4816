#!/bin/sh
# Installs the build into a staging folder (DESTDIR) under a strict umask and
# checks the layout and that everything is readable by all.
set -eu
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
(umask 077 && DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null)
root=$stage/usr
fail=0
problem() { echo "FAIL: $*"; fail=1; }

for f in bin/zorna share/zorna/help/help.htm share/zorna/map.png share/zorna/guk11.gif \
         share/zorna/guk34.gif share/zorna/kletka30/telega.gif share/zorna/h_point.cur \
         share/zorna/open.bmp share/zorna/kletka2/1.jpg share/zorna/kletka16/quetkr16.dat \
         share/applications/ua.zorna.Zorna.desktop share/metainfo/ua.zorna.Zorna.metainfo.xml \
         share/icons/hicolor/16x16/apps/ua.zorna.Zorna.png share/icons/hicolor/256x256/apps/ua.zorna.Zorna.png; do
  [ -f "$root/$f" ] || problem "missing $f"
done
[ -x "$root/bin/zorna" ] || problem "bin/zorna is not executable"
# The program folder is found from the executable.
[ -d "$root/bin/../share/zorna/kletka2" ] || problem "share/zorna is not beside bin/"
# No executable, no games in the read-only program folder.
for f in zorna Temp temp Save save; do
  [ ! -e "$root/share/zorna/$f" ] || problem "share/zorna/$f must not be installed"
done
# Every pair of picture and double-size source is installed together.
[ -f "$root/share/zorna/map@2x.png" ] || problem "missing share/zorna/map@2x.png"

bad_files=$(find "$stage" -type f ! -perm 0644 ! -path "$root/bin/zorna")
[ -z "$bad_files" ] || problem "files not 0644: $bad_files"
[ "$(stat -c %a "$root/bin/zorna")" = 755 ] || problem "bin/zorna is not 0755"
bad_dirs=$(find "$root" -type d ! -perm 0755)
[ -z "$bad_dirs" ] || problem "folders not 0755: $bad_dirs"
exit $fail
