#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what the desktop and a user find there.
#   check_install.sh BUILD CONFIG PREFIX APP_ID VERSION GUI(0|1)
set -euo pipefail
build=$1 config=$2 prefix=$3 id=$4 version=$5 gui=$6

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
have() { command -v "$1" >/dev/null 2>&1; }

rm -rf "$prefix"
cmake --install "$build" --config "$config" --prefix "$prefix" >/dev/null

expected=(bin/zovrek-tape share/man/man1/zovrek-tape.1)
if ((gui)); then
  expected+=(bin/zovrek share/man/man1/zovrek.1
             "share/applications/$id.desktop" "share/mime/packages/$id.xml"
             "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$id.svg"
             share/zovrek/sounds/click.wav share/zovrek/sounds/zeroa.wav
             share/zovrek/sounds/de/sevena.wav share/zovrek/sounds/fr/sevena.wav)
fi
for file in "${expected[@]}"; do
  [[ -s $prefix/$file ]] || fail "$file is not installed"
done

# Each theme size holds a picture of that size: a PNG's width and height are bytes 16 to 23.
if ((gui)); then
  for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -s $png ]]; then
      fail "no ${size}x${size} icon"
      continue
    fi
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
                    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [[ "$w $h" == "$size $size" ]] || fail "the ${size}x${size} icon is ${w}x${h}"
  done
fi

# The validators of the desktop's own tools, where they are installed.
if ((gui)); then
  if have desktop-file-validate; then
    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
  fi
  if have appstreamcli; then
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
      fail "AppStream metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
  fi
  # A tape's name must give its type once the MIME database is built from the package.
  if have update-mime-database; then
    mime=$(mktemp -d)
    mkdir -p "$mime/packages"
    cp "$prefix/share/mime/packages/$id.xml" "$mime/packages/"
    notes=$(update-mime-database "$mime" 2>&1) || fail "update-mime-database: $notes"
    grep -q ':application/x-zovrek-tape:\*\.cal' "$mime/globs2" 2>/dev/null ||
      fail "*.cal does not map to application/x-zovrek-tape"
    rm -rf "$mime"
  fi
fi
if have groff; then
  for page in "$prefix"/share/man/man1/*.1; do
    warnings=$(groff -t -man -Tutf8 -ww -z "$page" 2>&1)
    [[ -z $warnings ]] || fail "$(basename "$page"): $warnings"
  done
fi

# Everything of the project is linked in: a search path would only pick up strays.
if have readelf; then
  for program in "$prefix"/bin/*; do
    ! readelf -d "$program" | grep -q -E 'RPATH|RUNPATH' || fail "$(basename "$program") has a search path"
  done
fi

# The installed programs run from anywhere, with nothing of the build at hand.
out=$(cd / && "$prefix/bin/zovrek-tape" keys "1+2=" 2>&1) || fail "zovrek-tape keys: $out"
[[ $out == *"display: 3.00"* ]] || fail "zovrek-tape keys 1+2= printed: $out"
if ((gui)); then
  # The option parser exits from inside Qt, which leaves its objects to the process's end.
  out=$(cd / && QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        "$prefix/bin/zovrek" --version 2>&1) || fail "zovrek --version: $out"
  [[ $out == *"zovrek $version"* ]] || fail "zovrek --version printed: $out"
fi

if ((failures)); then
  echo "$failures problem(s) in the installed tree at $prefix"
  exit 1
fi
echo "installed tree at $prefix is complete"
