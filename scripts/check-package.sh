#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it: its file list,
# lintian, the desktop entry and the AppStream metadata, then, unpacked into a
# temporary root, that its programs find the installed data and put the user's
# folder in a temporary home's documents.
set -euo pipefail
cd "$(dirname "$0")/.."

start=$SECONDS
deb=$(scripts/package.sh)
echo "Package: $deb (package.sh took $((SECONDS - start)) s)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-package: $*" >&2; exit 1; }

# The file list: exactly these files.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/files"
expected=(
    /usr/bin/vellumark
    /usr/bin/vellumark-cli
    /usr/bin/vellumark-data
    /usr/share/applications/org.vellumark.Vellumark.desktop
    /usr/share/doc/vellumark/changelog.Debian.gz
    /usr/share/doc/vellumark/copyright
    /usr/share/icons/hicolor/256x256/apps/vellumark.png
    /usr/share/icons/hicolor/48x48/apps/vellumark.png
    /usr/share/icons/hicolor/scalable/apps/vellumark.svg
    /usr/share/man/man1/vellumark-cli.1.gz
    /usr/share/man/man1/vellumark-data.1.gz
    /usr/share/man/man1/vellumark.1.gz
    /usr/share/metainfo/org.vellumark.Vellumark.metainfo.xml
    /usr/share/vellumark/Data/EnglishOT.html
    /usr/share/vellumark/Data/Hebrew.txt
    /usr/share/vellumark/Data/LineData.dat
    /usr/share/vellumark/Data/WordMatrix.dat
)
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/files" || fail "the package's files differ from the list above"

status=0
findings=$(lintian --fail-on error "$deb" 2>&1) || status=$?
echo "lintian:"
grep -v "running with root privileges" <<<"$findings" || true
[ "$status" -eq 0 ] || fail "lintian reports an error"

root="$work/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/org.vellumark.Vellumark.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.vellumark.Vellumark.metainfo.xml" >/dev/null ||
    fail "appstreamcli: $(appstreamcli validate --no-net "$root/usr/share/metainfo/"*.xml)"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "${page##*/}: $warnings"
done

# The unpacked programs, in a home of their own.
home="$work/home"
mkdir "$home"
run() { env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen "$@"; }
run "$root/usr/bin/vellumark-data" --help >/dev/null
# Without a folder the installed builder writes nothing beside itself.
status=0
run "$root/usr/bin/vellumark-data" >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] && [ ! -e "$root/usr/bin/Data" ] ||
    fail "vellumark-data without a folder ended with $status or wrote $root/usr/bin/Data"
app="$home/Documents/Vellumark"
status=0
run timeout 5 "$root/usr/bin/vellumark" || status=$?
[ "$status" -eq 124 ] || fail "the window ended with status $status instead of staying open"
[ -d "$app/Report" ] || fail "the window made no $app/Report"
[ "$(readlink -f "$app/Data")" = "$(readlink -f "$root/usr/share/vellumark/Data")" ] ||
    fail "$app/Data does not lead to the installed data"
for file in LineData.dat WordMatrix.dat Hebrew.txt EnglishOT.html; do
    [ -f "$app/Data/$file" ] || fail "$app/Data/$file is missing"
done

# The command line writes a report there whose links lead to the English text.
run "$root/usr/bin/vellumark-cli" search --value 26 --match words --report packaged >/dev/null
report="$app/Report/packaged.html"
[ -f "$report" ] || fail "vellumark-cli wrote no $report"
link=$(grep -o -m1 "href='[^']*EnglishOT\.html#[0-9]*'" "$report" | sed "s/^href='//; s/'$//")
target="$app/Report/$(echo "${link%%#*}" | tr '\\' /)"
[ -f "$target" ] || fail "the report's first link $link leads to no file"
grep -q "id=${link##*#}>" "$target" || fail "the report's first link $link leads to no verse"
echo "vellumark-cli: the report's first link $link resolves."
echo "Package checks: files, lintian, desktop entry, AppStream, man pages and the unpacked programs are fine."
