#!/usr/bin/env bash
# Fills an existing system image with sample fonts made from Debian's font packages:
#   - TrueType families (DejaVu, Liberation: regular, bold, italic) on the CD-ROM drive, D:\FONTS;
#   - Type 1 fonts there as .PFB outlines with .PFM metrics, converted from the URW base 35 fonts;
#   - a few TrueType fonts preinstalled in the Fonts folder and registered in the registry;
#   - one Type 1 font in C:\PSFONTS registered in ATM.INI [Fonts].
#   - two sample groups in the program folder, and the CD-ROM folder as the first Source folder.
# Running it again changes nothing. Packages: fonts-dejavu-core fonts-dejavu-extra fonts-liberation
# fonts-urw-base35 fontforge-nox.
#
# usage: scripts/sample-fonts.sh ROOT
# The image tool is taken from $TYPESTOW_SYSTEM_TOOL, else typestow-system on the PATH, else
# $TYPESTOW_BINARY_DIR, else the build folder ($TYPESTOW_BUILD_DIR, default build/) of this checkout.
set -euo pipefail

if [[ $# -ne 1 ]]; then
    echo "usage: $0 ROOT" >&2
    exit 2
fi
root=$(cd "$1" && pwd)
if [[ ! -f "$root/system.ini" ]]; then
    echo "$0: no system image in $root (run: typestow-system init)" >&2
    exit 1
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tool=${TYPESTOW_SYSTEM_TOOL:-}
if [[ -z "$tool" ]]; then
    if command -v typestow-system >/dev/null 2>&1; then
        tool=$(command -v typestow-system)
    elif [[ -n "${TYPESTOW_BINARY_DIR:-}" && -x "$TYPESTOW_BINARY_DIR/typestow-system" ]]; then
        tool=$TYPESTOW_BINARY_DIR/typestow-system
    elif [[ -x "$here/../${TYPESTOW_BUILD_DIR:-build}/typestow-system" ]]; then
        tool=$here/../${TYPESTOW_BUILD_DIR:-build}/typestow-system
    else
        echo "$0: typestow-system not found; set TYPESTOW_SYSTEM_TOOL" >&2
        exit 1
    fi
fi
sys() { "$tool" --root "$root" "$@"; }

ttf_dejavu=/usr/share/fonts/truetype/dejavu
ttf_liberation=/usr/share/fonts/truetype/liberation
t1_urw=/usr/share/fonts/type1/urw-base35
for dir in "$ttf_dejavu" "$ttf_liberation" "$t1_urw"; do
    if [[ ! -d "$dir" ]]; then
        echo "$0: $dir is missing (apt-get install fonts-dejavu-core fonts-dejavu-extra fonts-liberation fonts-urw-base35)" >&2
        exit 1
    fi
done

# The image's platform decides the Windows folder and where Fonts lives.
ini_value() { sed -n "s/^$1=\\(.*\\)\\r\\?\$/\\1/p" "$root/system.ini" | tr -d '\r' | head -n 1; }
windows_dir=$(ini_value WindowsDir)    # C:\WINDOWS or C:\WINNT
platform=$(ini_value Platform)
c_drive=$root/drives/c
# The host folder of a Windows folder below C:, found without regard to case.
host_dir() {
    local path=$c_drive part found
    IFS='\' read -r -a parts <<<"$1"
    for part in "${parts[@]}"; do
        [[ -z "$part" ]] && continue
        found=$(find "$path" -mindepth 1 -maxdepth 1 -iname "$part" -print -quit 2>/dev/null || true)
        path=${found:-$path/$part}
    done
    mkdir -p "$path"
    printf '%s\n' "$path"
}
if [[ "$platform" == "NT" ]]; then
    fonts_win="$windows_dir\\SYSTEM"
else
    fonts_win="$windows_dir\\Fonts"
fi
fonts_host=$(host_dir "${fonts_win#C:\\}")
cd_fonts=$root/drives/d/FONTS
mkdir -p "$cd_fonts"

copy_if_changed() { # SRC DEST
    if [[ ! -f "$2" ]] || ! cmp -s "$1" "$2"; then cp "$1" "$2"; fi
}

# TrueType families on the CD-ROM.
for f in DejaVuSans DejaVuSans-Bold DejaVuSans-Oblique DejaVuSans-BoldOblique \
    DejaVuSerif DejaVuSerif-Bold DejaVuSerif-Italic \
    DejaVuSansMono DejaVuSansMono-Bold DejaVuSansMono-Oblique; do
    copy_if_changed "$ttf_dejavu/$f.ttf" "$cd_fonts/$f.ttf"
done
for f in LiberationSans LiberationSerif LiberationMono; do
    for s in Regular Bold Italic BoldItalic; do
        copy_if_changed "$ttf_liberation/$f-$s.ttf" "$cd_fonts/$f-$s.ttf"
    done
done

# Type 1 fonts on the CD-ROM: .PFB outlines and .PFM metrics written by fontforge.
make_type1() { # NAME DESTDIR
    local src=$t1_urw/$1.t1 pfb=$2/$1.PFB pfm=$2/$1.PFM tmp
    [[ -f "$pfb" && -f "$pfm" ]] && return 0
    tmp=$(mktemp -d)
    fontforge -lang=ff -c 'Open($1); Generate($2, "", 2)' "$src" "$tmp/out.pfb" >/dev/null 2>&1
    if [[ ! -s "$tmp/out.pfb" || ! -s "$tmp/out.pfm" ]]; then
        rm -rf "$tmp"
        echo "$0: fontforge could not convert $src" >&2
        exit 1
    fi
    mv "$tmp/out.pfb" "$pfb"
    mv "$tmp/out.pfm" "$pfm"
    rm -rf "$tmp"
}
for f in NimbusSans-Regular NimbusSans-Bold NimbusSans-Italic NimbusSans-BoldItalic \
    NimbusRoman-Regular NimbusRoman-Bold NimbusRoman-Italic \
    URWGothic-Book C059-Roman P052-Roman; do
    make_type1 "$f" "$cd_fonts"
done

changed=0

# TrueType fonts preinstalled in the Fonts folder, registered as "full name (TrueType)" = file name.
for f in DejaVuSans.ttf DejaVuSans-Bold.ttf LiberationSerif-Regular.ttf; do
    copy_if_changed "$cd_fonts/$f" "$fonts_host/$f"
    full=$(sys fonts faces "$fonts_win\\$f" | head -n 1 | cut -f 1)
    if [[ -z "$full" ]]; then
        echo "$0: cannot read the names of $f" >&2
        exit 1
    fi
    key="SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Fonts"
    [[ "$platform" == "NT" ]] && key="SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts"
    if [[ "$(sys reg query "$key" "$full (TrueType)" 2>/dev/null || true)" != "$f" ]]; then
        sys reg set "$key" "$full (TrueType)" "$f"
        changed=1
    fi
done

# One Type 1 font installed permanently: files in C:\PSFONTS, entry in ATM.INI [Fonts]. The key is
# the full name the .PFM yields with its style (NimbusSans-Bold: NimbusSans, bold); the value is the
# metrics path and the outline path.
ps_host=$(host_dir PSFONTS)
copy_if_changed "$cd_fonts/NimbusSans-Bold.PFM" "$ps_host/NimbusSans-Bold.PFM"
copy_if_changed "$cd_fonts/NimbusSans-Bold.PFB" "$ps_host/NimbusSans-Bold.pfb"
atm_key="NimbusSans,bold"
atm_value='C:\PSFONTS\NimbusSans-Bold.PFM,C:\PSFONTS\NimbusSans-Bold.pfb'
if [[ "$(sys profile get ATM.INI Fonts "$atm_key")" != "$atm_value" ]]; then
    sys profile set ATM.INI Fonts "$atm_key" "$atm_value"
    changed=1
fi

# Two sample groups in the program folder, as group files of the current version ("6.1": tag, the
# 128-byte name, then 784-byte records of full name, path, type and, for Type 1, style).
field() { # TEXT SIZE: the text, zero-filled to the size
    printf '%s' "$1"
    head -c $(($2 - ${#1})) /dev/zero
}
type_bytes() { # TYPE: a 32-bit little-endian integer
    printf "\\$(printf %03o $(($1 & 255)))\\$(printf %03o $(($1 >> 8 & 255)))\\000\\000"
}
make_group() { # NAME then FULLNAME|PATH|TYPE|STYLE...
    local name=$1 file record full path type style
    shift
    file=$(host_dir KELVRA\\TYPESTOW)/$name.FGP
    [[ -f "$file" ]] && return 0
    {
        printf '6.1'
        field "$name" 128
        for record in "$@"; do
            IFS='|' read -r full path type style <<<"$record"
            field "$full" 260
            field "$path" 260
            type_bytes "$type"
            if [[ $type -eq 12292 ]]; then field "$style" 260; else head -c 260 /dev/zero; fi
        done
    } >"$file"
}
make_group "Serif Samples" \
    "DejaVu Serif|D:\\FONTS\\DejaVuSerif.ttf|12290|" \
    "Liberation Serif Bold|D:\\FONTS\\LiberationSerif-Bold.ttf|12290|" \
    "NimbusRoman-Regular|D:\\FONTS\\NimbusRoman-Regular.PFM|12292|"
make_group "Mono Samples" \
    "DejaVu Sans Mono|D:\\FONTS\\DejaVuSansMono.ttf|12290|" \
    "Liberation Mono|D:\\FONTS\\LiberationMono-Regular.ttf|12290|"

# A first start shows the CD-ROM's sample folder in the Source pane.
settings=$(host_dir KELVRA\\TYPESTOW)/typestow.ini
[[ -f "$settings" ]] || printf '[config]\r\nLastFolder=D:\\FONTS\r\n' >"$settings"

# Windows loads registered fonts at boot: start a fresh session when the registrations changed.
if [[ $changed -eq 1 ]]; then
    sys restart >/dev/null
fi
echo "sample fonts ready in $root"
