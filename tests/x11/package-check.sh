#!/usr/bin/env bash
# The Debian package unpacks into a scratch root with the hack where Debian's xscreensaver looks
# for hacks (the folder of xscreensaver-data's own hacks), its settings description beside
# theirs, and a command on PATH; it depends on the packages of the GL and X libraries the
# program links itself (its NEEDED entries); and its install script puts the hack into a copy of xscreensaver's list.
#   package-check.sh PACKAGE.deb
set -euo pipefail
deb=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
listing=$(dpkg -L xscreensaver-data)
hackdir=$(dirname "$(grep -m1 '/xscreensaver/abstractile$' <<<"$listing")")
configdir=$(dirname "$(grep -m1 '/config/abstractile.xml$' <<<"$listing")")
[ -x "$root$hackdir/altostrat" ] || fail "no program in $hackdir"
[ -f "$root$configdir/altostrat.xml" ] || fail "no settings description in $configdir"
[ "$(readlink -f "$root/usr/bin/altostrat")" = "$root$hackdir/altostrat" ] ||
    fail "/usr/bin/altostrat does not lead to the hack"
xmllint --noout "$root$configdir/altostrat.xml" 2>/dev/null ||
    grep -q '<_description>' "$root$configdir/altostrat.xml" || fail "bad settings description"
grep -q 'name="altostrat"' "$root$configdir/altostrat.xml" || fail "description names another hack"
echo "files: $hackdir/altostrat $configdir/altostrat.xml /usr/bin/altostrat"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# ldd may name /lib where dpkg knows /usr/lib (the merged /usr).
owner_of() { dpkg -S "$1" 2>/dev/null || dpkg -S "/usr$1"; }
while read -r library path; do
    owner=$(owner_of "$path" | cut -d: -f1 | head -1)
    [[ $depends == *"$owner"* ]] || fail "$library comes from $owner, which is not a dependency"
    echo "$library from $owner: a dependency"
done < <(ldd "$root$hackdir/altostrat" |
    awk -v needed="$(objdump -p "$root$hackdir/altostrat" | awk '/NEEDED/ {print $2}')" \
        'BEGIN {split(needed, n, "\n"); for (i in n) direct[n[i]] = 1}
         ($1 in direct) && /libGL|libX11|libOpenGL/ {print $1, $3}')

# The install script on a copy of xscreensaver's list: added once, and gone after removal.
dpkg-deb -e "$deb" "$root/control"
cp /etc/X11/app-defaults/XScreenSaver "$root/XScreenSaver"
for script in postinst postrm; do
    sed "s|/etc/X11/app-defaults/XScreenSaver|$root/XScreenSaver|" "$root/control/$script" \
        >"$root/$script"
done
sh "$root/postinst" configure
sh "$root/postinst" configure
[ "$(grep -c 'altostrat --root' "$root/XScreenSaver")" -eq 1 ] || fail "not listed once"
# Inside the resource: right after its name, with the continuation every entry ends in.
grep -A1 '^\*programs:' "$root/XScreenSaver" | tail -1 | grep -q 'altostrat --root.*\\n\\$' ||
    fail "the entry is not part of the programs resource"
sh "$root/postrm" remove
cmp -s "$root/XScreenSaver" /etc/X11/app-defaults/XScreenSaver || fail "removal leaves traces"
echo "package check passed"
