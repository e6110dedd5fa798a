#!/bin/sh
# Installs the build twice, into a staging folder (DESTDIR, the configured
# prefix) and into a prefix of its own (--prefix, as into ~/.local), checks
# that exactly the files a desktop needs are in place and valid, and starts
# the installed program from its install folder, which must not become its
# data folder: it keeps its files in the user's data folder.
# Usage: install.sh <cmake> <build folder> <prefix> <bin dir> <data dir> <application id>
# (bin dir and data dir relative to the prefix, as GNUInstallDirs gives them)
set -eu
cmake=$1 build=$2 prefix=$3 bindir=$4 datadir=$5 id=$6
sizes="16 24 32 48 64 128 256"
work=$(mktemp -d)
# Each install writes the list of what it installed into the build folder;
# the list of a real install there (for taking it away) is put back after.
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && mv "$manifest" "$work/install_manifest.txt"
cleanup() {
    kill ${app:-} 2>/dev/null || true
    rm -f "$manifest"
    [ -e "$work/install_manifest.txt" ] && mv "$work/install_manifest.txt" "$manifest"
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files an install must hold, relative to the prefix, sorted.
expected() {
    {
        echo "$bindir/tavolin"
        echo "$datadir/applications/$id.desktop"
        echo "$datadir/metainfo/$id.metainfo.xml"
        for size in $sizes; do
            echo "$datadir/icons/hicolor/${size}x${size}/apps/$id.png"
        done
    } | sort
}

# Checks the install whose prefix landed in the folder root.
check() {
    root=$1
    expected > "$work/expected"
    (cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) > "$work/listed"
    diff "$work/expected" "$work/listed" >&2 || fail "the files installed in $root are not the expected ones"

    [ -x "$root/$bindir/tavolin" ] || fail "$bindir/tavolin is not executable"

    desktop="$root/$datadir/applications/$id.desktop"
    out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    grep -qx "Exec=tavolin" "$desktop" || fail "the desktop entry does not start tavolin"
    grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"

    metainfo="$root/$datadir/metainfo/$id.metainfo.xml"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate: $metainfo"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    # The catalogue entry and the desktop entry found together in the tree.
    appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree: $root"

    for size in $sizes; do
        icon="$root/$datadir/icons/hicolor/${size}x${size}/apps/$id.png"
        got=$(identify -format '%m %wx%h' "$icon")
        [ "$got" = "PNG ${size}x${size}" ] || fail "$icon is $got, not a ${size}x${size} PNG"
        # Drawn on a see-through ground: the corner shows the desktop.
        alpha=$(convert "$icon" -format '%[fx:p{0,0}.a]' info:)
        [ "$alpha" = "0" ] || fail "$icon has an opaque corner"
    done
}

env DESTDIR="$work/stage" "$cmake" --install "$build" > "$work/stage.log" ||
    { cat "$work/stage.log"; fail "cmake --install with DESTDIR"; }
check "$work/stage$prefix"

local="$work/home/.local"
env -u DESTDIR "$cmake" --install "$build" --prefix "$local" > "$work/local.log" ||
    { cat "$work/local.log"; fail "cmake --install --prefix"; }
check "$local"

# Started in its install folder, as a menu might, the program fills the
# user's data folder and leaves its install folder alone.
installed="$local/$bindir"
data="$work/home/.local/share/Tavolin"
cd "$installed"
env -u XDG_DATA_HOME HOME="$work/home" QT_QPA_PLATFORM=offscreen ./tavolin > "$work/run.log" 2>&1 &
app=$!
tries=0
until [ -s "$data/Tavolin.ini" ] && [ -s "$data/Projects/Default.Project" ]; do
    kill -0 $app 2>/dev/null || { cat "$work/run.log"; fail "the installed program ended"; }
    tries=$((tries + 1))
    [ $tries -le 200 ] || fail "no data folder at $data"
    sleep 0.1
done
kill -0 $app || fail "the installed program ended"
kill $app
wait $app || true
app=
[ "$(ls "$installed")" = "tavolin" ] || fail "the program wrote into its install folder: $(ls "$installed")"
echo "installed and started: $(expected | tr '\n' ' ')"
