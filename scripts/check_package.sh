#!/usr/bin/env bash
# Builds the Debian package from a built tree the way the README does
# (cpack -G DEB) and runs the distribution's checks on what it holds:
# lintian without errors, warnings or infos, the AppStream metadata through
# appstreamcli, the menu entry through desktop-file-validate, a manual page for
# every program, every rovan-cli command and option from its --help in its
# manual page, the run-time dependencies, and the changelog and metadata at the
# package's version.
#   scripts/check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$build/package-check
rm -rf "$out"
mkdir -p "$out"

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
debs=("$out"/rovan_*.deb)
deb=${debs[0]}
root=$out/root
dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)
failed=0
fail() { echo "FAILED: $*" >&2; failed=1; }

echo "== lintian $(basename "$deb")"
lintian --fail-on error,warning,info --display-level '>=info' "$deb" || fail "lintian reports errors, warnings or infos"

echo "== appstreamcli validate"
for f in "$root"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net --pedantic "$f" || fail "appstreamcli refuses ${f#"$root"}"
  grep -q "<release version=\"$version\"" "$f" || fail "${f#"$root"} has no release $version"
done

echo "== desktop-file-validate"
for f in "$root"/usr/share/applications/*.desktop; do
  desktop-file-validate "$f" || fail "desktop-file-validate refuses ${f#"$root"}"
done

echo "== manual pages"
for program in "$root"/usr/games/*; do
  name=$(basename "$program")
  [ -f "$root/usr/share/man/man6/$name.6.gz" ] || fail "$name has no manual page"
done
# The commands are the words before the first argument on each "rovan-cli ..."
# line of the help; the options are every --word in it.
help=$("$root/usr/games/rovan-cli" --help)
page=$(zcat "$root/usr/share/man/man6/rovan-cli.6.gz" | groff -man -Tascii -rHY=0 -P-cbou 2> /dev/null)
mapfile -t commands < <(sed -n 's/^rovan-cli \(\(\(--\)\?[a-z0-9][a-z0-9-]* \?\)*\).*/\1/p' <<< "$help" | sed 's/ *$//' | sort -u)
mapfile -t options < <(grep -o -- '--[a-z][a-z-]*' <<< "$help" | sort -u)
[ ${#commands[@]} -ge 5 ] || fail "found only ${#commands[@]} commands in rovan-cli --help"
for word in "${commands[@]}" "${options[@]}"; do
  grep -qF -- "$word" <<< "$page" || fail "the manual page of rovan-cli does not mention \"$word\""
done
echo "${#commands[@]} commands and ${#options[@]} options of rovan-cli --help are in its manual page"

echo "== package fields"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Found by dpkg-shlibdeps, and those only loaded at run time.
depended=$(tr ',|' '\n\n' <<< "$depends" | awk '{print $1}')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
              libgl1-mesa-dri fonts-wqy-microhei fonts-liberation2 qt6-translations-l10n; do
  grep -qxF "$needed" <<< "$depended" || fail "Depends lacks $needed"
done
changelog_version=$(zcat "$root/usr/share/doc/rovan/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's latest entry is $changelog_version, the package $version"

[ "$failed" -eq 0 ] && echo "The package passes its checks."
exit "$failed"
