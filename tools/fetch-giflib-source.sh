#!/usr/bin/env bash
# Fetches Debian's source package of giflib and unpacks it outside the tree, for the static
# giflib of the MinGW builds (importer/giflib). Run by install-deps.sh, as root or with sudo.
#   fetch-giflib-source.sh [FOLDER]   default /var/cache/vimro/sources; giflib lands in FOLDER/giflib
# The system lists only binary packages: a deb-src entry copied from each of its deb entries
# (the same addresses, suites, components and keys) goes into a list of its own first.
set -eu
folder=${1:-/var/cache/vimro/sources}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
[ -f "$folder/giflib/gif_lib.h" ] && exit 0

sources_dir=/etc/apt/sources.list.d
entry=$sources_dir/vimro-deb-src.sources
if [ ! -f "$entry" ]; then
  # Every "Types: deb" stanza of the deb822 lists, and every "deb" line of one-line lists.
  stanzas=$(awk '
    BEGIN { RS = ""; FS = "\n" }
    {
      deb = 0; out = ""
      for (i = 1; i <= NF; i++) {
        if ($i ~ /^Types:/ && $i ~ /[ \t]deb([ \t]|$)/) deb = 1
        if ($i ~ /^(URIs|Suites|Components|Signed-By):/) out = out $i "\n"
      }
      if (deb) printf "Types: deb-src\n%s\n", out
    }' "$sources_dir"/*.sources 2>/dev/null || true)
  lines=$(cat /etc/apt/sources.list "$sources_dir"/*.list 2>/dev/null | sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' || true)
  if [ -n "$stanzas" ]; then
    printf '%s\n' "$stanzas" | $sudo tee "$entry" >/dev/null
  elif [ -n "$lines" ]; then
    entry=$sources_dir/vimro-deb-src.list
    printf '%s\n' "$lines" | $sudo tee "$entry" >/dev/null
  else
    echo "fetch-giflib-source: no Debian package source found in /etc/apt to derive a deb-src entry from" >&2
    exit 1
  fi
fi
# Only the new list is read again: the binary lists stay as they are.
$sudo apt-get update -qq -o Dir::Etc::sourcelist="$entry" -o Dir::Etc::sourceparts=- -o APT::Get::List-Cleanup=0

download=$(mktemp -d)
chmod 755 "$download"  # apt downloads as its own user
trap 'rm -rf "$download"' EXIT
(cd "$download" && apt-get source --download-only -qq -o APT::Sandbox::User=root giflib)
dsc=$(ls "$download"/giflib_*.dsc)
$sudo mkdir -p "$folder"
$sudo rm -rf "$folder/giflib.new"
# dpkg-source checks the files against the .dsc (whose hashes apt checked against the signed
# index) and applies Debian's patches; its note that no keyring verifies the .dsc is dropped.
if ! log=$($sudo dpkg-source --no-copy -x "$dsc" "$folder/giflib.new" 2>&1); then
  echo "$log" >&2
  exit 1
fi
$sudo rm -rf "$folder/giflib"
$sudo mv "$folder/giflib.new" "$folder/giflib"
echo "giflib source: $(basename "$dsc" .dsc) in $folder/giflib"
