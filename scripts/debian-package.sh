#!/usr/bin/env bash
# The Debian source and binary packages made and checked as the README's "Debian package"
# section does by hand: the upstream tarball from the tree without debian/, the build
# dependencies, dpkg-buildpackage, lintian on both packages, and the package's autopkgtest in
# this system. Everything it makes goes to a new folder, whose name it prints.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$ROOT"

install_missing_packages dpkg-dev lintian autopkgtest
version="$(dpkg-parsechangelog -S Version)"
upstream="${version%-*}"
work="$(mktemp -d)"
echo "Debian packages of zorbel $version in $work"
# The committed tree where there is one; a plain copy of it (as in a pristine root) less what
# its builds left.
if git rev-parse --git-dir >/dev/null 2>&1; then
    git archive --format=tar --prefix="zorbel-$upstream/" HEAD
else
    tar -c --exclude-vcs --exclude='./build*' --exclude=./node_modules --transform="s|^\.|zorbel-$upstream|" .
fi | tar -x -C "$work"
tar -C "$work" --exclude="zorbel-$upstream/debian" -czf "$work/zorbel_$upstream.orig.tar.gz" "zorbel-$upstream"

as_root apt-get build-dep -y -qq "$work/zorbel-$upstream"
(cd "$work/zorbel-$upstream" && dpkg-buildpackage -us -uc)
lintian --fail-on error,warning "$work"/zorbel_"$version"_*.changes
as_root autopkgtest "$work"/zorbel_"$version"_*.changes -- null
