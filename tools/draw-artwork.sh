#!/usr/bin/env bash
# Draws the program's artwork with ImageMagick: the application icon (a dish antenna on a blue
# tile, in every size the desktop asks for) and the launcher's logo. The PNGs it writes are kept
# in the repository, so building never needs ImageMagick; run this again only after changing
# the drawing below.
#
# Shapes are written in ImageMagick's own drawing language rather than SVG, because its SVG
# reader drops rotated groups and fills open arcs. Everything is drawn at four times the final
# size and scaled down, which smooths the edges better than drawing small.
set -euo pipefail
cd "$(dirname "$0")/.."

fonts=/usr/share/fonts/truetype/dejavu
command -v convert >/dev/null || { echo "draw-artwork: needs ImageMagick's convert" >&2; exit 1; }
[ -f "$fonts/DejaVuSans-Bold.ttf" ] || { echo "draw-artwork: needs fonts-dejavu-core" >&2; exit 1; }

# One curved band of a radio wave around (cx, cy): radii r1 to r2, angles a1 to a2 in degrees
# (screen angles, so negative is up). A filled band, because stroked open arcs come out closed.
band() {
    awk -v cx="$1" -v cy="$2" -v r1="$3" -v r2="$4" -v a1="$5" -v a2="$6" 'BEGIN {
        d = atan2(0, -1) / 180
        printf "path '\''M %.2f %.2f A %g %g 0 0 1 %.2f %.2f L %.2f %.2f A %g %g 0 0 0 %.2f %.2f Z'\''\n",
            cx + r2 * cos(a1 * d), cy + r2 * sin(a1 * d), r2, r2,
            cx + r2 * cos(a2 * d), cy + r2 * sin(a2 * d),
            cx + r1 * cos(a2 * d), cy + r1 * sin(a2 * d), r1, r1,
            cx + r1 * cos(a1 * d), cy + r1 * sin(a1 * d)
    }'
}

# The dish on its pedestal, in a 256 x 256 frame: pedestal colour, bowl colour, rim colour.
dish() {
    cat <<EOF
fill '$1'
stroke none
path 'M 96 168 L 110 168 L 124 214 L 82 214 Z'
roundrectangle 58,208 148,224 5,5
push graphic-context
translate 106,140
rotate 35
translate -106,-140
fill '$2'
stroke '$3'
stroke-width 6
stroke-linejoin round
path 'M 30 108 Q 106 236 182 108 Z'
stroke '$2'
stroke-width 8
stroke-linecap round
line 106,170 106,70
stroke none
fill '#ffc24a'
roundrectangle 96,58 116,74 3,3
pop graphic-context
EOF
}

# Two wave bands leaving the feed, in the same frame.
waves() {
    echo "fill '$1'"
    echo "stroke none"
    band 150 78 28 39 -78 -12
    band 150 78 50 61 -78 -12
}

# Writes a PNG with no time stamps, so redrawing unchanged artwork changes no bytes.
render() {
    local width=$1 height=$2 drawing=$3 out=$4
    convert -size $((width * 4))x$((height * 4)) xc:none -draw "$drawing" \
        -resize "${width}x${height}" -strip -define png:exclude-chunks=date,time "png32:$out"
}

mkdir -p resources/icons
for size in 16 32 48 64 128 256; do
    scale=$(awk -v s="$size" 'BEGIN { printf "%g", s * 4 / 256 }')
    drawing=$(
        echo "push graphic-context"
        echo "affine $scale 0 0 $scale 0 0"
        echo "fill '#1f4f8a'"
        echo "stroke none"
        echo "roundrectangle 8,8 248,248 44,44"
        dish '#c9d3dd' '#f2f5f8' '#9fb3c8'
        # At 16 pixels the waves blur into a smudge; the dish alone reads better.
        [ "$size" -gt 16 ] && waves '#ffc24a'
        echo "pop graphic-context"
    )
    render "$size" "$size" "$drawing" "resources/icons/kortools-$size.png"
done

# The logo sits on the launcher's grey, so it is dark type on a transparent ground.
drawing=$(
    echo "push graphic-context"
    echo "affine 4 0 0 4 0 0"
    echo "push graphic-context"
    echo "translate -6,3"
    echo "scale 0.27,0.27"
    dish '#7f8fa3' '#1f4f8a' '#1f4f8a'
    waves '#e0a020'
    echo "pop graphic-context"
    echo "fill '#1f4f8a'"
    echo "font '$fonts/DejaVuSans-Bold.ttf'"
    echo "font-size 27"
    echo "text 64,36 'KorTools'"
    echo "fill '#4a5a6a'"
    echo "font '$fonts/DejaVuSans.ttf'"
    echo "font-size 11"
    echo "text 66,55 'Tessaline Systems Ltd'"
    echo "pop graphic-context"
)
render 200 70 "$drawing" resources/logo.png

transparent=$(convert resources/logo.png -alpha extract -threshold 0 -negate -format '%[fx:mean*100]' info:)
printf 'Drew resources/icons/kortools-{16,32,48,64,128,256}.png and resources/logo.png (%.0f%% of the logo transparent)\n' "$transparent"
