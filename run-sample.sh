#!/bin/sh
# Creates the sample database in the user's data folder when there is none, then starts the program on it.
set -e
cd "$(dirname "$0")"
VERI="${XDG_DATA_HOME:-$HOME/.local/share}/Velmora/ornek"
mkdir -p "$VERI"
if [ ! -f "$VERI/Vlm.vtb" ]; then
  build/tools/vtbolustur "$VERI" --ornek
fi
if [ -x build/app/velmora ]; then
  exec build/app/velmora --ornek-sunucu "$VERI"
fi
echo "Örnek veritabanı hazır: $VERI/Vlm.vtb"
