#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks the layout, validates the desktop entry and
# the AppStream file, and starts the installed program far from the build tree.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=com.example.Orbet
for file in bin/orbet share/orbet/orbet.html share/orbet/select.wav share/orbet/add.wav \
    share/orbet/remove.wav share/orbet/end.wav share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$icon" | grep -q "$size x $size" || { echo "wrong icon: $icon"; exit 1; }
done
grep -q '^Icon=com.example.Orbet$' "$prefix/share/applications/$id.desktop"
grep -q '<release version="1.1.0"' "$prefix/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"

# Still running after two seconds means it started and is waiting for its player.
status=0
(cd / && HOME="$prefix" XDG_CONFIG_HOME="$prefix/config" QT_QPA_PLATFORM=offscreen \
    timeout 2 "$prefix/bin/orbet") || status=$?
[ "$status" -eq 124 ] || { echo "the installed program stopped with status $status"; exit 1; }
echo "installed layout and desktop files are valid"
