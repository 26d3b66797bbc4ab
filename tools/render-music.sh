#!/usr/bin/env bash
# Renders the game's music into Data/Soundtracks/.
# tools/compose-music.py writes the pieces as MIDI; fluidsynth plays them through the TimGM6mb General MIDI sound
# font into WAV files under /tmp; sox brings every track to the same loudness (a limiter keeps the peaks in) and
# cuts the silence after the reverb tail; oggenc (quality 4) and lame (128 kbit/s) encode them. The credits theme
# stays MIDI: the game plays Data/Soundtracks/Eien_no_melody.mid itself.
# Needs python3, fluidsynth, timgm6mb-soundfont, sox, vorbis-tools and lame.
set -euo pipefail
cd "$(dirname "$0")/.."

soundfont=/usr/share/sounds/sf2/TimGM6mb.sf2
out=Data/Soundtracks
for tool in python3 fluidsynth sox oggenc lame; do
    command -v "$tool" >/dev/null || { echo "render-music: needs $tool" >&2; exit 1; }
done
[ -f "$soundfont" ] || { echo "render-music: needs $soundfont (timgm6mb-soundfont)" >&2; exit 1; }

work=$(mktemp -d /tmp/trambul-music.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
python3 tools/compose-music.py "$work"

# Average loudness every track is brought to, in dB (RMS).
target_rms=-20

# piece  file in Data/Soundtracks  title (UTF-8, for the Vorbis comment)  title in Latin letters (ID3v1)
tracks=(
    "morning|Utro_v_novom_gorode.ogg|Утро в новом городе|Utro v novom gorode"
    "school|Peremena.mp3|Перемена|Peremena"
    "street|Dvor_posle_urokov.ogg|Двор после уроков|Dvor posle urokov"
    "evening|Ogni_v_oknah.mp3|Огни в окнах|Ogni v oknah"
    "winter|Zimnie_kanikuly.ogg|Зимние каникулы|Zimnie kanikuly"
)

number=0
for entry in "${tracks[@]}"; do
    IFS='|' read -r piece file title latin <<<"$entry"
    number=$((number + 1))
    fluidsynth -n -i -q -g 0.5 -r 44100 -F "$work/$piece.raw.wav" "$soundfont" "$work/$piece.mid" >/dev/null
    rms=$(sox "$work/$piece.raw.wav" -n stats 2>&1 | awk '/^RMS lev dB/ { print $4 }')
    gain=$(awk -v t="$target_rms" -v r="$rms" 'BEGIN { printf "%.2f", t - r }')
    sox "$work/$piece.raw.wav" -b 16 "$work/$piece.wav" gain -l "$gain" reverse silence 1 0.05 -60d reverse
    case "$file" in
    *.ogg)
        oggenc -Q -q 4 --utf8 -t "$title" -a "Трамбуль" -l "Трамбуль: музыка" -N "$number" -d 2005 \
            -G Soundtrack -o "$out/$file" "$work/$piece.wav"
        ;;
    *.mp3)
        lame --quiet -b 128 --cbr --id3v1-only --tt "$latin" --ta "Trambul" --tl "Trambul: muzyka" \
            --tn "$number" --ty 2005 --tg Soundtrack "$work/$piece.wav" "$out/$file"
        ;;
    esac
    echo "$out/$file  gain ${gain} dB"
done

cp "$work/credits.mid" "$out/Eien_no_melody.mid"
echo "$out/Eien_no_melody.mid"

# The default playlist: a header line, then a title line ("number title") and a path line for every track,
# Windows-1251 with CR LF. The credits theme closes it.
{
    echo "Трамбуль: музыка по умолчанию"
    number=0
    for entry in "${tracks[@]}"; do
        IFS='|' read -r piece file title latin <<<"$entry"
        number=$((number + 1))
        echo "$number $title"
        echo "Data\\Soundtracks\\$file"
    done
    echo "$((number + 1)) Вечная мелодия (музыка титров)"
    echo "Data\\Soundtracks\\Eien_no_melody.mid"
} | python3 -c 'import sys; open(sys.argv[1], "w", encoding="cp1251", newline="\r\n").write(sys.stdin.buffer.read().decode("utf-8"))' \
    "$out/PlayList.grpl"
echo "$out/PlayList.grpl"
