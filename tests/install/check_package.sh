#!/usr/bin/env bash
# Builds the Debian package and checks its name, version, section and library dependencies.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$out/orbet_1.1.0_amd64.deb
[ -f "$deb" ] || { echo "no package: $(ls "$out")"; exit 1; }
[ "$(dpkg-deb -f "$deb" Package)" = orbet ]
[ "$(dpkg-deb -f "$deb" Version)" = 1.1.0 ]
[ "$(dpkg-deb -f "$deb" Section)" = games ]
depends=$(dpkg-deb -f "$deb" Depends)
contents=$(dpkg-deb -c "$deb")
grep -q 'libqt6widgets6' <<<"$depends"
grep -q 'libqt6multimedia6' <<<"$depends"
grep -q './usr/bin/orbet$' <<<"$contents"
grep -q './usr/share/orbet/select.wav$' <<<"$contents"
grep -q './usr/share/applications/com.example.Orbet.desktop$' <<<"$contents"
echo "package is well formed"
