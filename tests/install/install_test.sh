#!/usr/bin/env bash
# The installed program: desktop entry and metainfo valid, the Debian package made by CPack
# and accepted by lintian without an error or a warning, `cmake --install` into a prefix of
# its own, then the installed zumbrel-cli and zumbrel run from there, the prefix made
# read-only, and nothing written under it (settings go to the user's folders).
set -euo pipefail
build=$1
source_dir=$2
fail() { echo "FAIL: $*"; exit 1; }
id=org.zumbrel.Zumbrel

desktop-file-validate "$source_dir/resources/linux/$id.desktop"
appstreamcli validate --no-net --explain "$source_dir/resources/linux/$id.metainfo.xml"

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

# The package: a changelog, no maintainer scripts (the only library is private, so there is
# no ldconfig to run), and nothing lintian calls an error or a warning. Each override in
# packaging/lintian-overrides gives its reason.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not make the package"; }
deb=$(ls "$work"/package/zumbrel_*.deb)
# The listing is read whole first: grep -q stopping early would break dpkg-deb's pipe.
listing=$(dpkg-deb -c "$deb")
grep -q ' \./usr/share/doc/zumbrel/changelog\.gz$' <<<"$listing" || fail "the package has no changelog.gz"
control=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t)
scripts=$(grep -E 'preinst|postinst|prerm|postrm' <<<"$control" || true)
[ -z "$scripts" ] || fail "the package has maintainer scripts: $scripts"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian found errors or warnings in $(basename "$deb")"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/zumbrel bin/zumbrel-cli share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/man/man1/zumbrel.1.gz \
         share/man/man1/zumbrel-cli.1.gz share/zumbrel/Resources/Language/French.lng \
         share/doc/zumbrel/copyright; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
ls "$prefix"/lib*/zumbrel/libzumbrel_audio.so >/dev/null || fail "the audio library is not installed"

snapshot() { (cd "$prefix" && find . -printf '%p %s %T@ %m\n' | sort); }
chmod -R a-w "$prefix"
before=$(snapshot)

"$prefix/bin/zumbrel-cli" --version | grep -qx 'zumbrel-cli [0-9]*\.[0-9]*\.[0-9]*' || fail "zumbrel-cli --version"
"$prefix/bin/zumbrel-cli" --sepdec S '12+3*2=' | grep -qx '     30,00' || fail "the installed zumbrel-cli computes"
"$prefix/bin/zumbrel" --version | grep -qx 'zumbrel [0-9]*\.[0-9]*\.[0-9]*' || fail "zumbrel --version"
"$prefix/bin/zumbrel" --help | grep -q 'zumbrel-cli' || fail "zumbrel --help"

# The window program, from another folder, for a few seconds; SIGTERM closes it as Quit does.
home=$work/home
mkdir -p "$home" "$work/tmp"
chmod 700 "$work/tmp"
(cd "$work" && exec env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
   XDG_RUNTIME_DIR="$work/tmp" TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen "$prefix/bin/zumbrel") \
   >"$work/out.txt" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/out.txt"; fail "the installed zumbrel did not keep running"; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "SIGTERM did not close zumbrel as Quit does (exit $status)"
settings=$home/.config/zumbrel/Zumbrel.ini
[ -f "$settings" ] || fail "no settings in the user's configuration folder"
# LANG is written only by a copy that found its language files.
grep -q '^LANG=' "$settings" || fail "the installed zumbrel did not find its resources"

[ "$(snapshot)" = "$before" ] || { diff <(echo "$before") <(snapshot) | head; fail "something was written under the prefix"; }
echo "1 passed, 0 failed"
