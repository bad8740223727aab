#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks the layout, validates the desktop entry, the
# AppStream file and the manual page, answers the command line, and starts the installed
# program far from the build tree.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=com.example.Orbet
for file in bin/orbet share/orbet/orbet.html share/orbet/select.wav share/orbet/add.wav \
    share/orbet/remove.wav share/orbet/end.wav share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man6/orbet.6.gz share/doc/orbet/copyright share/doc/orbet/changelog.gz; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$icon" | grep -q "$size x $size" || { echo "wrong icon: $icon"; exit 1; }
done
grep -q '^Icon=com.example.Orbet$' "$prefix/share/applications/$id.desktop"
grep -q '^Keywords=' "$prefix/share/applications/$id.desktop"
grep -q '<release version="1.1.0"' "$prefix/share/metainfo/$id.metainfo.xml"
# Every language Orbet speaks, in the desktop entry and the AppStream file.
for language in $(cat "$(dirname "$0")/../../po/LINGUAS"); do
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$prefix/share/applications/$id.desktop" ||
            { echo "the desktop entry has no $key in $language"; exit 1; }
    done
    for element in name summary p; do
        grep -q "<$element xml:lang=\"$language\">" "$prefix/share/metainfo/$id.metainfo.xml" ||
            { echo "the AppStream file has no $element in $language"; exit 1; }
    done
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstream=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml")
if grep -q '^[EW]: ' <<<"$appstream"; then
    echo "$appstream"
    exit 1
fi
manual=$(zcat "$prefix/share/man/man6/orbet.6.gz" | groff -man -ww -z 2>&1)
[ -z "$manual" ] || { echo "the manual page has faults: $manual"; exit 1; }

# The command line, answered without a window.
program=$prefix/bin/orbet
[ "$(env -u DISPLAY "$program" --version)" = "orbet 1.1.0" ]
env -u DISPLAY "$program" --help | grep -q -- '--version'
status=0
errors=$(QT_QPA_PLATFORM=offscreen "$program" --no-such-option 2>&1 >/dev/null) || status=$?
[ "$status" -ne 0 ] || { echo "an unknown option was accepted"; exit 1; }
grep -q "Unknown option 'no-such-option'" <<<"$errors"
grep -q 'Usage:' <<<"$errors"

# Still running after two seconds means it started and is waiting for its player.
status=0
(cd / && HOME="$prefix" XDG_CONFIG_HOME="$prefix/config" QT_QPA_PLATFORM=offscreen \
    timeout 2 "$prefix/bin/orbet") || status=$?
[ "$status" -eq 124 ] || { echo "the installed program stopped with status $status"; exit 1; }
echo "installed layout, desktop files, manual page and command line are right"
