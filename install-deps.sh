#!/bin/sh
# Installs every Debian package the build, the program and the tests need.
set -e
PAKETLER="g++ cmake ninja-build pkg-config qt6-base-dev libsqlite3-dev libxlsxwriter-dev \
libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 xdg-utils qt6-translations-l10n \
poppler-utils python3-openpyxl bindfs fuse3"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
if ! dpkg -s $PAKETLER >/dev/null 2>&1; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $PAKETLER
fi
