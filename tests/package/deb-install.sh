#!/bin/sh
# The Debian package as a host vendor meets it. It is made from this build tree, unpacked into a
# temporary root (no root rights), and then:
#  - the minimal host in the installed header's comment is built with nothing but
#    `pkg-config --cflags --libs ftbmodule` and run against the installed library from a start
#    screen the module does not own, so the interview ends by itself: it must print that exit
#    screen and a successful release, which saved the return (kept as .BAK before);
#  - the installed ftb-host finds the installed library by itself, ftbfile prints its help, and
#    the manual pages read;
#  - the control data names the runtime libraries, and no installed program or library carries
#    an RPATH (a path of the build machine).
#
#   deb-install.sh CPACK CPACK_CONFIG CXX
set -eu
cpack=$1
config=$2
cxx=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the package"; }
set -- "$work"/out/ftbmodule_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "cpack made no single ftbmodule_*.deb"
deb=$1
echo "package: $(basename "$deb")"
dpkg-deb -c "$deb"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libssl3 libstdc++6; do
  case "$depends" in *"$needed"*) ;; *) fail "Depends lacks $needed: $depends" ;; esac
done

root=$work/root
dpkg-deb -x "$deb" "$root"
pc=$(find "$root" -name ftbmodule.pc)
[ -n "$pc" ] || fail "the package holds no ftbmodule.pc"
PKG_CONFIG_PATH=$(dirname "$pc")${PKG_CONFIG_PATH:+:$PKG_CONFIG_PATH}
export PKG_CONFIG_PATH
unset PKG_CONFIG_SYSROOT_DIR
libdir=$(pkg-config --variable=libdir ftbmodule)
includedir=$(pkg-config --variable=includedir ftbmodule)
module=$(pkg-config --variable=module ftbmodule)
case "$(cd "$libdir" && pwd -P)" in "$(cd "$root" && pwd -P)"/*) ;;
  *) fail "pkg-config's libdir $libdir is not inside the unpacked root" ;; esac
[ -f "$module" ] || fail "no library at pkg-config's module path $module"
[ -s "$libdir/FTB2002.HLP" ] || fail "no help file beside $module"

for file in "$root"/usr/bin/ftbfile "$root"/usr/bin/ftb-host; do
  [ -x "$file" ] || fail "$file is not an installed program"
done
for file in "$module" "$root"/usr/bin/ftbfile "$root"/usr/bin/ftb-host; do
  [ -f "$file" ] || fail "$file is not installed"
  if readelf -d "$file" | grep -E 'RPATH|RUNPATH'; then fail "$file carries an RPATH"; fi
done

# The minimal host: the code lines of the header's comment after "Minimal host", up to its end.
sed -n '/^ \* Minimal host/,/^ \*\//{/^ \* Minimal host/d;/^ \*\//d;s/^ \*//;p;}' \
  "$includedir/ftbmodule.h" >"$work/host.cpp"
grep -q 'int main' "$work/host.cpp" || fail "no minimal host in the installed header"
# shellcheck disable=SC2046 # the flags are words
"$cxx" -Wall -Wextra -Werror -o "$work/host" "$work/host.cpp" $(pkg-config --cflags --libs ftbmodule) ||
  fail "the minimal host does not build with pkg-config's flags"

run=$work/run
mkdir "$run"
"$root/usr/bin/ftbfile" new "$run/RETURN.TAX" --key 876543210 || fail "installed ftbfile new"
cp "$run/RETURN.TAX" "$work/made.TAX"
output=$(cd "$run" && LD_LIBRARY_PATH=$libdir "$work/host" 8001) ||
  fail "the minimal host failed: $output"
echo "minimal host: $output"
[ "$output" = "exit screen 8001, saved 1" ] || fail "the minimal host printed: $output"
cmp -s "$run/RETURN.BAK" "$work/made.TAX" || fail "the release kept no .BAK of the return it saved"
"$root/usr/bin/ftbfile" dump "$run/RETURN.TAX" --key 876543210 >/dev/null ||
  fail "the saved return does not read"

output=$("$root/usr/bin/ftb-host" --file "$run/HOST.TAX" --screen 8001) ||
  fail "installed ftb-host failed: $output"
echo "ftb-host: $output"
case "$output" in *"exit screen 8001, saved OK"*) ;; *) fail "ftb-host printed: $output" ;; esac

"$root/usr/bin/ftbfile" --help | grep -q '^Usage: ftbfile' || fail "ftbfile --help"

for tool in ftbfile ftb-host; do
  page=$root/usr/share/man/man1/$tool.1.gz
  gzip -dc "$page" | grep -q '^\.TH' || fail "$page is not a troff manual page"
  if command -v man >/dev/null 2>&1; then
    MANPAGER=cat PAGER=cat man -l "$page" 2>/dev/null | grep -q -- "--help" ||
      fail "man -l $page shows no options"
  fi
done
echo "package: all checks passed"
