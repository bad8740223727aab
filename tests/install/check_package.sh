#!/usr/bin/env bash
# Builds the Debian package and checks it as Debian does: its fields and contents, and lintian
# with no error and no warning.
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
recommends=$(dpkg-deb -f "$deb" Recommends)
for wanted in qt6-wayland qt6-translations-l10n fonts-dejavu-core fonts-lohit-deva fonts-noto-cjk; do
    grep -qw -- "$wanted" <<<"$recommends" || { echo "does not recommend $wanted"; exit 1; }
done
for file in usr/games/orbet usr/share/orbet/select.wav usr/share/orbet/orbet.html \
    usr/share/applications/com.example.Orbet.desktop usr/share/man/man6/orbet.6.gz \
    usr/share/doc/orbet/copyright usr/share/doc/orbet/changelog.gz; do
    grep -q "\./$file\$" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done

# Errors and warnings fail; informational tags are only shown.
report=$(lintian --info "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$report" ] || echo "$report"
if grep -q '^[EW]: ' <<<"$report"; then
    echo "lintian reports errors or warnings"
    exit 1
fi
echo "package is well formed and lintian clean ($(dpkg-deb -f "$deb" Installed-Size) KiB installed)"
