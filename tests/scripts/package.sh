#!/usr/bin/env bash
# The Debian package as a user gets it: built by make deb into a folder of this build tree, its
# contents as Debian lays them out, lintian clean (the accepted tags are overridden, with their
# reasons, in packaging/lintian-overrides), the desktop entry and the metainfo valid, the extracted
# program working, and an install and removal with dpkg in a throwaway root leaving nothing behind.
# usage: package.sh PROGRAM SOURCE-DIR
set -u
source "$(dirname "$0")/lib/common.bash"
build=$(dirname "$exe")
for tool in dpkg-deb lintian mandoc desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || give_up "$tool is missing (make test installs it)"
done

# A build folder of its own, never build/release; make test has compiled it before ctest started.
env -u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -C "$source_dir" deb DEB="$build/deb" JOBS=2 >"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log"; give_up "make deb"; }
deb=$(echo "$build"/deb/vortellanox_*.deb)
[ -f "$deb" ] || give_up "no package in $build/deb"

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" | tee "$work/contents"
for path in games/vortellanox share/applications/example.brinmoor.Vortellanox.desktop share/man/man6/vortellanox.6.gz \
    share/metainfo/example.brinmoor.Vortellanox.metainfo.xml share/doc/vortellanox/copyright \
    share/doc/vortellanox/changelog.Debian.gz share/icons/hicolor/{16x16,48x48,256x256}/apps/vortellanox.png; do
    grep -q " \./usr/$path\$" "$work/contents" || fail "the package lacks /usr/$path"
done
dpkg-deb --field "$deb" Depends | grep -q 'libsdl2-2\.0-0' || fail "the dependencies were not computed"

lintian --fail-on error,warning "$deb" 2>&1 | grep -v 'root privileges' | tee "$work/lintian"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian reports errors or warnings"

mandoc -Tlint -W warning "$source_dir/data/vortellanox.6" || fail "mandoc -Tlint finds faults in the manual page"

root="$work/root"
dpkg-deb --extract "$deb" "$root"
for check in "desktop-file-validate $root/usr/share/applications/*.desktop" \
    "appstreamcli validate --pedantic --no-net $root/usr/share/metainfo/*.xml"; do
    $check >"$work/check" || { cat "$work/check"; fail "$check"; }
done
[ "$("$root/usr/games/vortellanox" --version)" = "vortellanox $(dpkg-deb --field "$deb" Version | cut -d- -f1)" ] ||
    fail "the packaged program does not report the package's version"
printf 'wait 500\nshot %s\nclose\n' "$work/menu.png" >"$work/script"
"$root/usr/games/vortellanox" --headless --script "$work/script" --data-dir "$work/data" >/dev/null &&
    [ -s "$work/menu.png" ] || fail "the packaged program did not run a headless script"

# dpkg needs root to own the files it unpacks; elsewhere the extraction above has to do.
if [ "$(id -u)" -eq 0 ]; then
    fake="$work/fake-root"
    mkdir -p "$fake/var/lib/dpkg/info" "$fake/var/lib/dpkg/updates"
    touch "$fake/var/lib/dpkg/status"
    # The fake root has none of the libraries the package depends on.
    dpkg --root="$fake" --force-depends --install "$deb" >"$work/dpkg" 2>&1 || { cat "$work/dpkg"; fail "dpkg --install"; }
    [ -x "$fake/usr/games/vortellanox" ] || fail "dpkg --install left no program"
    dpkg --root="$fake" --remove vortellanox >/dev/null || fail "dpkg --remove"
    left=$(find "$fake" -mindepth 1 -not -path "$fake/var" -not -path "$fake/var/*")
    [ -z "$left" ] || fail "dpkg --remove left behind: $left"
else
    echo "NOTE: not root, so the install and removal with dpkg were not tried"
fi
finish "$(basename "$deb") builds, passes lintian, runs and removes cleanly"
