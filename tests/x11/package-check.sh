#!/usr/bin/env bash
# The Debian package as Debian's tools and xscreensaver users expect it:
# - lintian (Debian 12's) reports no error and no warning;
# - the hack where Debian's xscreensaver looks for hacks (the folder of xscreensaver-data's own
#   hacks), its settings description beside theirs, a command on PATH, the manual page (which
#   man renders without a warning), the screen saver entry beside those of xscreensaver-data,
#   and the copyright and changelog;
# - the settings description is well-formed XML whose check boxes give only options the
#   program takes (one leaves the glider out, as xscreensaver-data's own descriptions write a
#   check box that is set by default; one, clear by default, lets the sky follow the time of
#   day), and the manual page tells of each;
# - no maintainer script: the package edits no file of xscreensaver's;
# - Depends names, as whole package names, the package of every GL, X, picture (libjpeg, libpng,
#   libwebp) and GLib library the program links itself (its NEEDED entries), and no Mesa driver;
#   Recommends xscreensaver 6 or later.
#   package-check.sh PACKAGE.deb
set -euo pipefail
deb=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# lintian refuses to be run as root without this; it changes nothing in its checks.
lintian_output=$(lintian --allow-root --fail-on error,warning "$deb" 2>&1) || {
    echo "$lintian_output" >&2
    fail "lintian reports errors or warnings"
}
echo "lintian: ${lintian_output:-no error, no warning}"

dpkg -x "$deb" "$root"
listing=$(dpkg -L xscreensaver-data)
hackdir=$(dirname "$(grep -m1 '/xscreensaver/abstractile$' <<<"$listing")")
configdir=$(dirname "$(grep -m1 '/config/abstractile.xml$' <<<"$listing")")
entrydir=$(dirname "$(grep -m1 '/abstractile.desktop$' <<<"$listing")")
[ -x "$root$hackdir/altostrat" ] || fail "no program in $hackdir"
[ -f "$root$configdir/altostrat.xml" ] || fail "no settings description in $configdir"
[ "$(readlink -f "$root/usr/bin/altostrat")" = "$root$hackdir/altostrat" ] ||
    fail "/usr/bin/altostrat does not lead to the hack"
description=$root$configdir/altostrat.xml
xmllint --noout "$description" || fail "the settings description is not well-formed XML"
grep -q 'name="altostrat"' "$description" || fail "description names another hack"
[ "$(xmllint --xpath 'count(//boolean[@arg-unset="--no-aircraft"])' "$description")" = 1 ] ||
    fail "no check box, set by default, that leaves the glider out"
[ "$(xmllint --xpath 'count(//boolean[@arg-set="--sky-follows-clock"])' "$description")" = 1 ] ||
    fail "no check box, clear by default, that lets the sky follow the time of day"
# Every option a check box can add: the program, with no display to fly on, ends with 1 (it
# could not start), not 2 (a command line it does not understand).
setting_options=$(xmllint --xpath '//boolean/@arg-set | //boolean/@arg-unset' "$description" |
    sed 's/^ *arg-[a-z]*="\(.*\)"$/\1/')
for option in $setting_options; do
    code=0
    env -u DISPLAY -u XSCREENSAVER_WINDOW "$root$hackdir/altostrat" "$option" 2>/dev/null || code=$?
    [ "$code" -eq 1 ] || fail "the program answers the setting $option with exit code $code"
    echo "setting $option: taken by the program"
done
entry=$root$entrydir/altostrat.desktop
grep -qx "Exec=$hackdir/altostrat --root" "$entry" && grep -qx "TryExec=$hackdir/altostrat" "$entry" ||
    fail "no screen saver entry running the hack in $entrydir"
man_warnings=$(LC_ALL=C.UTF-8 man --warnings -l "$root/usr/share/man/man6/altostrat.6.gz" 2>&1 >/dev/null)
[ -z "$man_warnings" ] || fail "the manual page: $man_warnings"
manual=$(zcat "$root/usr/share/man/man6/altostrat.6.gz" | sed 's/\\-/-/g')
for option in --root --window-id XSCREENSAVER_WINDOW --fps --add-to-xscreensaver \
    --remove-from-xscreensaver $setting_options; do
    grep -q -- "$option" <<<"$manual" || fail "the manual page does not tell of $option"
done
echo "files: $hackdir/altostrat $configdir/altostrat.xml $entrydir/altostrat.desktop" \
    "/usr/bin/altostrat /usr/share/man/man6/altostrat.6.gz"

dpkg-deb -e "$deb" "$root/control"
for script in preinst postinst prerm postrm config; do
    [ ! -e "$root/control/$script" ] || fail "the package has a $script script"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"
[ "$(dpkg-deb -f "$deb" Recommends)" = "xscreensaver (>= 6)" ] || fail "xscreensaver 6 is not recommended"
# The names alone, one a line: "libglu1-mesa | libglu1, libc6 (>= 2.34)" gives three.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g' | grep -v '^$')
! grep -qx 'libgl1-mesa-dri' <<<"$names" || fail "Depends names a Mesa driver"
# ldd may name /lib where dpkg knows /usr/lib (the merged /usr).
owner_of() { dpkg -S "$1" 2>/dev/null || dpkg -S "/usr$1"; }
while read -r library path; do
    owner=$(owner_of "$path" | cut -d: -f1 | head -1)
    grep -qx -- "$owner" <<<"$names" || fail "$library comes from $owner, which is not a dependency"
    echo "$library from $owner: a dependency"
done < <(ldd "$root$hackdir/altostrat" |
    awk -v needed="$(objdump -p "$root$hackdir/altostrat" | awk '/NEEDED/ {print $2}')" \
        'BEGIN {split(needed, n, "\n"); for (i in n) direct[n[i]] = 1}
         ($1 in direct) && /libGL|libX11|libXext|libOpenGL|libjpeg|libpng|libwebp|libgio|libglib/ {
             print $1, $3
         }')
echo "package check passed"
