#!/usr/bin/env bash
# Synthesises Vossmere's sound effects and music loops with sox alone.
#
#   bash tools/sound/make_sounds.sh [-v] OUT_DIR
#
# Writes eight Ogg Vorbis files (22050 Hz, stereo) into OUT_DIR. The output
# is byte-for-byte repeatable: sox runs with -R, so its noise generator and
# the Ogg stream serial are seeded with fixed values. Silent on success;
# with -v it prints duration, peak and RMS of every file at the end.
#
# How the music loops stay seamless: every looped layer is synthesised as
# exactly one period of L seconds with all oscillator and LFO frequencies
# on multiples of 1/L, so the raw period wraps onto itself. Filters and
# reverb are then run over [last W s | period | first 1 s] and the period
# is cut back out of the middle: the effects see a signal that has been
# "playing forever", their tails wrap around, and the file ends exactly
# where it begins. Noise beds are made the same way (one period of white
# noise, coloured afterwards), so no fades or cross-fades are needed.
set -euo pipefail

usage() { echo "usage: $0 [-v] OUT_DIR" >&2; exit 2; }
VERBOSE=0
if [[ ${1:-} == -v ]]; then VERBOSE=1; shift; fi
[[ $# -eq 1 && -n $1 ]] || usage
OUT=$1

command -v sox >/dev/null || { echo "make_sounds: sox is not installed" >&2; exit 1; }
mkdir -p "$OUT"
T=$(mktemp -d "${TMPDIR:-/tmp}/vossmere-sounds.XXXXXX")
lanes=()
cleanup() {
  local p
  for p in ${lanes[@]+"${lanes[@]}"}; do kill "$p" 2>/dev/null || true; done
  rm -rf "$T"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

SR=22050          # the game opens its audio device at 22050 Hz stereo
L=60              # music loop length in seconds
N=$((L * SR))     # loop length in samples
QUALITY=4         # Vorbis quality
MUSIC_RMS=-22     # target RMS of the music, dBFS
MUSIC_PEAK=-2     # ceiling for the music peak, dBFS
FX_PEAK=-3        # effects are peak-normalised to this, dBFS

# sox, repeatable and strict: any warning (clipping above all) is an error.
sx() {
  local err
  if ! err=$(sox -R -V2 "$@" 2>&1) || [[ -n $err ]]; then
    printf 'make_sounds: sox %s\n%s\n' "$*" "$err" >&2
    exit 1
  fi
}
calc() { awk "BEGIN { printf \"%.6f\", $* }"; }
# Snap a frequency to a whole number of cycles per loop.
q() { awk -v f="$1" -v l="$L" 'BEGIN { printf "%.6f", int(f * l + 0.5) / l }'; }
samples() { sox --i -s "$1"; }

# mix OUT IN... : sum at unity gain (sox -m would otherwise scale by 1/n).
mix() {
  local out=$1 f args=(); shift
  if (($# == 1)); then cp "$1" "$out"; return; fi
  for f in "$@"; do args+=(-v 1 "$f"); done
  sx -m "${args[@]}" "$out"
}

# One period (L s) of a stereo oscillator: tone OUT TYPE FREQ_L FREQ_R AMP
tone() {
  sx -r $SR -c 2 -n "$1" synth $L "$2" "$(q "$3")" "$2" "$(q "$4")" vol "$5"
}

# One period of stereo white noise; left and right come from different
# stretches of the master noise so the bed is wide: noise OUT OFF_L OFF_R AMP
noise() {
  sx "$T/noise.sox" "$1.l.sox" trim "$2" $L
  sx "$T/noise.sox" "$1.r.sox" trim "$3" $L
  sx -M "$1.l.sox" "$1.r.sox" "$1" vol "$4"
}

# Run effects over a periodic signal as if it had looped forever:
# loopfx IN OUT WARMUP_S effects...
loopfx() {
  local in=$1 out=$2 w=$3; shift 3
  [[ $(samples "$in") -eq $N ]] || { echo "make_sounds: $in is not one loop long" >&2; exit 1; }
  sx "$in" "$out" repeat 2 trim $(((L - w) * SR))s $(((w + L + 1) * SR))s \
     "$@" trim $((w * SR))s ${N}s
}

# Wrap anything past the loop end back onto the start: fold IN OUT
fold() {
  local in=$1 out=$2 n
  n=$(samples "$in")
  if ((n > N)); then
    sx "$in" "$out.head.sox" trim 0 ${N}s
    sx "$in" "$out.tail.sox" trim ${N}s
    mix "$out" "$out.head.sox" "$out.tail.sox"
  else
    sx "$in" "$out" pad 0 $((N - n))s
  fi
}

# Place one-shot sounds on a loop-long track:
# events OUT "TIME GAIN_L GAIN_R FILE"...   (tails past L wrap to the start)
events() {
  local out=$1 e t gl gr f i=0 files=(); shift
  sx -r $SR -c 2 -n "$out.base.sox" trim 0 ${N}s
  for e in "$@"; do
    read -r t gl gr f <<<"$e"
    sx "$f" "$out.e$i.sox" remix 1v"$gl" 2v"$gr" pad "$t" 0
    files+=("$out.e$i.sox"); i=$((i + 1))
  done
  mix "$out.long.sox" "$out.base.sox" "${files[@]}"
  fold "$out.long.sox" "$out"
}

# A struck bell (or a soft bell-like note) as a sum of sine partials, each
# with its own exponential decay. The right channel is detuned by DETUNE so
# close partial pairs shimmer slightly differently on each side.
# bell OUT BASE_HZ DETUNE ATTACK_S "RATIO AMP DECAY_S"...
bell() {
  local out=$1 base=$2 det=$3 att=$4 p r a d i=0 parts=(); shift 4
  for p in "$@"; do
    read -r r a d <<<"$p"
    sx -r $SR -c 2 -n "$out.p$i.sox" synth "$d" sine "$(calc "$base * $r")" \
       sine "$(calc "$base * $r * $det")" vol "$(calc "$a * 0.15")" fade q "$att" fade l 0 "$d" "$d"
    parts+=("$out.p$i.sox"); i=$((i + 1))
  done
  mix "$out" "${parts[@]}"
}

# A short burst of mono noise as a stereo file: burst OUT OFFSET DUR AMP effects...
burst() {
  local out=$1 off=$2 dur=$3 a=$4; shift 4
  sx "$T/noise.sox" "$out" trim "$off" "$dur" remix 1 1 vol "$a" "$@"
}

# Copy a finished file into OUT_DIR under its game name, replacing any old
# one in a single step: publish FILE NAME
publish() {
  cp "$1" "$OUT/.$2.ogg.part"
  mv -f "$OUT/.$2.ogg.part" "$OUT/$2.ogg"
}

# Encode a finished effect: peak-normalise, cut to length with a short tail
# fade, and write Vorbis. fx_out IN NAME LENGTH_S TAIL_FADE_S
fx_out() {
  sx "$1" "$T/$2.long.sox" pad 0 "$3"
  sx "$T/$2.long.sox" "$T/$2.norm.sox" trim 0 "$3" highpass 20 \
     fade t 0 "$3" "$4" gain -n $FX_PEAK
  sx "$T/$2.norm.sox" -C $QUALITY "$T/$2.ogg"
  publish "$T/$2.ogg" "$2"
}

# Encode a finished loop. Its level goes to MUSIC_RMS unless that would push
# the peak above MUSIC_PEAK. The loop itself is seamless, but Vorbis adds a
# little coding noise, independently at either end of the file, which can
# show up as a tiny step where playback wraps. The period can start
# anywhere (rotating it changes nothing else), so a few starting points are
# tried, each in the quietest half second of one sixth of the loop and on
# the sample where both channels are nearest to zero; the encoding with the
# smallest wrap-around step is kept. music_out IN NAME
music_out() {
  local in=$1 name=$2 st pk rms g s off k=0 c j best='' bestj=''
  st=$(sox "$in" -n stats 2>&1)
  pk=$(awk '/^Pk lev dB/ { print $4 }' <<<"$st")
  rms=$(awk '/^RMS lev dB/ { print $4 }' <<<"$st")
  g=$(awk -v p="$pk" -v r="$rms" -v tr=$MUSIC_RMS -v tp=$MUSIC_PEAK \
        'BEGIN { g = tr - r; if (p + g > tp) g = tp - p; printf "%.2f", g }')
  for s in $(sox -V1 "$in" -t dat - rate 4000 | awk -v w=2000 -v q=$((L * 4000 / 6)) '
      !/^;/ { e += $2 * $2 + $3 * $3
              if (++n % w == 0) {
                k = int((n - w) / q)
                if (!(k in lo) || e < lo[k]) { lo[k] = e; at[k] = n - w }
                e = 0 } }
      END { for (k = 0; k < 6; k++) print at[k] }'); do
    s=$((s * SR / 4000))
    off=$(sox -V1 "$in" -t dat - trim ${s}s $((SR / 2))s | awk -v s="$s" '!/^;/ {
            v = ($2 < 0 ? -$2 : $2) + ($3 < 0 ? -$3 : $3)
            if (n == 0 || v < lo) { lo = v; i = n }
            n++ } END { print s + i }')
    c=$in.c$k.ogg; k=$((k + 1))
    sx "$in" -C $QUALITY "$c" repeat 1 trim ${off}s ${N}s gain "$g"
    j=$({ sox -V1 "$c" -t dat - trim 0 1s; sox -V1 "$c" -t dat - trim $((N - 1))s; } |
        awk 'BEGIN { n = 0 } !/^;/ { l[n] = $2; r[n] = $3; n++ }
             END { a = l[0] - l[1]; b = r[0] - r[1]; a = a < 0 ? -a : a
                   b = b < 0 ? -b : b; printf "%.6f", (a > b ? a : b) }')
    if [[ -z $best ]] || awk -v a="$j" -v b="$bestj" 'BEGIN { exit !(a < b) }'; then
      best=$c; bestj=$j
    fi
  done
  publish "$best" "$name"
}

# ---------------------------------------------------------------- effects

# click: a soft, dark, low bell tap around F#3, short and muted.
fx_click() {
  local d=$T/click; mkdir -p "$d"
  bell "$d/bell.sox" 185 1.002 0.004 \
    "0.5 0.30 1.0" "1 1.0 0.9" "1.19 0.40 0.6" "1.56 0.22 0.45" \
    "2 0.28 0.5" "2.51 0.10 0.3" "2.66 0.08 0.25" "3.01 0.05 0.2"
  burst "$d/mallet.sox" 3 0.012 0.025 lowpass 900 fade t 0 0.012 0.010
  mix "$d/mix.sox" "$d/bell.sox" "$d/mallet.sox"
  sx "$d/mix.sox" "$d/soft.sox" lowpass 1600 lowpass 2400 \
     pad 0 0.2 reverb 25 60 20 100 0 -8
  fx_out "$d/soft.sox" impactBell_heavy_003 0.6 0.15
}

# switch: a dry metallic latch, a click and a smaller second click.
fx_switch() {
  local d=$T/switch; mkdir -p "$d"
  bell "$d/ring1.sox" 1000 1.004 0.0005 \
    "2.35 0.5 0.11" "3.72 0.4 0.07" "5.15 0.3 0.04" "6.9 0.2 0.03" "0.32 0.35 0.05"
  bell "$d/ring2.sox" 1120 0.997 0.0005 \
    "2.35 0.35 0.05" "3.72 0.3 0.04" "5.15 0.2 0.03" "6.9 0.12 0.02"
  burst "$d/tick1.sox" 5 0.003 0.1 highpass 1500 fade t 0 0.003 0.002
  burst "$d/tick2.sox" 6 0.002 0.07 highpass 2500 fade t 0 0.002 0.0015
  mix "$d/c1.sox" "$d/ring1.sox" "$d/tick1.sox"
  mix "$d/c2.sox" "$d/ring2.sox" "$d/tick2.sox"
  sx "$d/c2.sox" "$d/c2late.sox" pad 0.055 0 vol 0.6
  mix "$d/mix.sox" "$d/c1.sox" "$d/c2late.sox"
  fx_out "$d/mix.sox" metalClick 0.2 0.04
}

# completed: a bright D bell with a major third and fifth in its partials,
# detuned partial pairs for a shimmering three-second decay.
fx_completed() {
  local d=$T/completed; mkdir -p "$d"
  bell "$d/bell.sox" 293.7 1.0015 0.002 \
    "0.5 0.45 8" "1 0.9 7" "1.0025 0.45 6.5" "1.26 0.45 5" "1.5 0.40 5" \
    "2 0.55 4.5" "2.006 0.3 4" "2.51 0.35 3" "3 0.35 2.6" "4.07 0.3 1.8" \
    "5.43 0.2 1.3" "6.8 0.12 0.9" "8.2 0.06 0.6"
  burst "$d/strike.sox" 7 0.02 0.04 bandpass 2600 1.5q fade t 0 0.02 0.018
  mix "$d/mix.sox" "$d/bell.sox" "$d/strike.sox"
  sx "$d/mix.sox" "$d/room.sox" vol 0.9 reverb 45 40 70 100 10 -4
  fx_out "$d/room.sox" impactBell_heavy_000 3.0 0.5
}

# game_over: a deep E2 toll with a minor third, a tritone and beating
# partial pairs, over a sub rumble that swells and dies away.
fx_game_over() {
  local d=$T/game_over; mkdir -p "$d"
  bell "$d/bell.sox" 82.4 0.996 0.003 \
    "0.5 0.55 9" "1 0.9 8" "1.011 0.55 7.5" "1.19 0.55 6" "1.41 0.40 5" \
    "1.56 0.30 4.5" "2 0.45 5" "2.03 0.30 4.5" "2.51 0.30 3.2" "2.66 0.28 3" \
    "3.01 0.22 2.6" "4.2 0.13 1.5" "5.9 0.08 1.0"
  burst "$d/strike.sox" 9 0.03 0.06 bandpass 700 1q fade t 0 0.03 0.025
  burst "$d/rumble.sox" 11 8 1.0 lowpass 90 lowpass 90 lowpass 120 \
    gain -4.5 fade q 0.25 fade l 0 8 8
  mix "$d/mix.sox" "$d/bell.sox" "$d/strike.sox" "$d/rumble.sox"
  sx "$d/mix.sox" "$d/room.sox" vol 0.6 reverb 70 60 100 100 20 -3
  fx_out "$d/room.sox" impactBell_heavy_001 3.8 0.7
}

# ------------------------------------------------------------------ music

# A soft bell-like note for the sparse melodies: note OUT HZ ATTACK DECAY
note() {
  bell "$1" "$2" 1.001 "$3" "1 0.6 $4" "2 0.16 $(calc "$4 * 0.6")" \
    "3 0.05 $(calc "$4 * 0.4")" "4.2 0.02 $(calc "$4 * 0.25")"
}

# Menu: a dark D drone that breathes slowly, distant wind, and a slow
# falling motif (A F E D ... A Bb A C#) in a large reverb.
music_menu() {
  local d=$T/menu; mkdir -p "$d"
  tone "$d/saw.raw.sox" sawtooth 73.4 73.4 0.35
  loopfx "$d/saw.raw.sox" "$d/saw.sox" 2 lowpass 260 lowpass 260 tremolo "$(q 0.0333)" 35
  tone "$d/sub.sox" sine 36.7 36.7 0.12
  tone "$d/fifth.raw.sox" sine 110 110.05 0.10
  loopfx "$d/fifth.raw.sox" "$d/fifth.sox" 1 tremolo "$(q 0.05)" 60
  tone "$d/high.raw.sox" sine 587.3 587.35 0.012
  loopfx "$d/high.raw.sox" "$d/high.sox" 1 tremolo "$(q 0.0667)" 90
  noise "$d/wind.raw.sox" 0 61 0.5
  loopfx "$d/wind.raw.sox" "$d/wind.sox" 2 highpass 150 lowpass 900 lowpass 1400 \
    tremolo "$(q 0.0833)" 75 tremolo "$(q 0.15)" 45 vol 2
  noise "$d/whistle.raw.sox" 122 183 0.5
  loopfx "$d/whistle.raw.sox" "$d/whistle.sox" 2 bandpass 820 12q bandpass 820 12q \
    tremolo "$(q 0.1167)" 90 tremolo "$(q 0.05)" 70 vol 5
  local n=0 f
  for f in 220 174.6 164.8 146.8 233.1 138.6; do
    note "$d/n$n.sox" "$f" 0.08 7; n=$((n + 1))
  done
  events "$d/motif.sox" \
    "3 0.9 0.6 $d/n0.sox" "7.5 0.6 0.9 $d/n1.sox" "12 0.8 0.7 $d/n2.sox" \
    "18 0.7 0.7 $d/n3.sox" "33 0.6 0.9 $d/n0.sox" "37.5 0.9 0.6 $d/n4.sox" \
    "42 0.7 0.8 $d/n0.sox" "48.5 0.8 0.6 $d/n5.sox"
  sx "$d/motif.sox" "$d/motif2.sox" vol 4
  mix "$d/mix.sox" "$d/saw.sox" "$d/sub.sox" "$d/fifth.sox" "$d/high.sox" \
    "$d/wind.sox" "$d/whistle.sox" "$d/motif2.sox"
  loopfx "$d/mix.sox" "$d/room.sox" 20 vol 0.6 reverb 80 50 100 100 20 -2 highpass 20
  music_out "$d/room.sox" "Scary Horror Ambience #10"
}

# Game: an A drone rubbing against B-flat and D-sharp, pulsing at 0.8 Hz,
# a faint wavering whine, gusts and the odd floorboard creak.
music_game() {
  local d=$T/game; mkdir -p "$d"
  tone "$d/saw.raw.sox" sawtooth 55 55 0.35
  loopfx "$d/saw.raw.sox" "$d/saw.sox" 2 lowpass 220 lowpass 220 \
    tremolo "$(q 0.8)" 55 tremolo "$(q 1.6)" 25 tremolo "$(q 0.05)" 30
  tone "$d/sub.sox" sine 55 55 0.10
  tone "$d/rub.raw.sox" sine 58.3 58.25 0.12
  loopfx "$d/rub.raw.sox" "$d/rub.sox" 1 tremolo "$(q 0.0333)" 80
  tone "$d/trit.raw.sox" triangle 77.8 77.8 0.06
  loopfx "$d/trit.raw.sox" "$d/trit.sox" 1 lowpass 400 tremolo "$(q 0.0667)" 90
  tone "$d/whine.raw.sox" sine 932.3 932.8 0.02
  loopfx "$d/whine.raw.sox" "$d/whine.sox" 1 tremolo "$(q 0.0333)" 100
  tone "$d/whine2.raw.sox" sine 1244.5 1244.2 0.012
  loopfx "$d/whine2.raw.sox" "$d/whine2.sox" 1 tremolo "$(q 0.05)" 100
  noise "$d/wind.raw.sox" 20 90 0.5
  loopfx "$d/wind.raw.sox" "$d/wind.sox" 2 highpass 120 lowpass 700 lowpass 1100 \
    tremolo "$(q 0.0667)" 80 tremolo "$(q 0.1833)" 50 vol 1.5
  # creaks: narrow pulse trains whose rate slides, through a wooden body
  local c=0 spec len sweep
  for spec in "1.1 13:34" "0.8 30:16" "1.4 10:24" "0.9 38:22"; do
    read -r len sweep <<<"$spec"
    sx -r $SR -c 1 -n "$d/cr$c.sox" synth "$len" square "$sweep" 0 0 3 vol 0.25 \
       highpass 250 bandpass 780 4q bandpass 1500 3q gain 12 \
       fade h "$(calc "$len * 0.3")" "$len" "$(calc "$len * 0.4")" remix 1 1 vol 0.5
    c=$((c + 1))
  done
  events "$d/creaks.sox" "8.2 0.9 0.4 $d/cr0.sox" "23.6 0.3 0.8 $d/cr1.sox" \
    "41.3 0.7 0.6 $d/cr2.sox" "52.4 0.5 0.9 $d/cr3.sox"
  sx "$d/creaks.sox" "$d/creaks2.sox" vol 2.5
  mix "$d/mix.sox" "$d/saw.sox" "$d/sub.sox" "$d/rub.sox" "$d/trit.sox" \
    "$d/whine.sox" "$d/whine2.sox" "$d/wind.sox" "$d/creaks2.sox"
  loopfx "$d/mix.sox" "$d/room.sox" 20 vol 0.6 reverb 60 60 80 100 10 -4 highpass 20
  music_out "$d/room.sox" "Scary Horror Ambience #1"
}

# Death: an endlessly falling Shepard glissando (four octave-spaced sines,
# one octave every 15 s) over a heavy D/G# drone, hollow wind through a
# comb, and a muffled low bell every 30 s.
music_death() {
  local d=$T/death; mkdir -p "$d"
  sx -r $SR -c 2 -n "$d/glis.sox" synth $L sine 880/55 sine 880/55 \
     vol 0.18 fade h 30 $L 30
  local k parts=()
  for k in 0 1 2 3; do
    sx "$d/glis.sox" "$d/g$k.sox" repeat 1 trim $((k * 15 * SR))s ${N}s \
       remix 1v$(calc "0.7 + 0.1 * ($k % 2)") 2v$(calc "0.8 - 0.1 * ($k % 2)")
    parts+=("$d/g$k.sox")
  done
  mix "$d/shepard.sox" "${parts[@]}"
  tone "$d/saw.raw.sox" sawtooth 36.7 36.7 0.25
  loopfx "$d/saw.raw.sox" "$d/saw.sox" 2 lowpass 160 lowpass 160 tremolo "$(q 0.0333)" 30
  tone "$d/sub.sox" sine 36.7 36.7 0.1
  tone "$d/trit.raw.sox" sine 51.9 51.95 0.12
  loopfx "$d/trit.raw.sox" "$d/trit.sox" 1 tremolo "$(q 0.05)" 60
  noise "$d/wind.raw.sox" 40 150 0.5
  loopfx "$d/wind.raw.sox" "$d/wind.sox" 2 highpass 100 lowpass 900 \
    echo 0.5 0.8 11.35 0.5 22.7 0.3 tremolo "$(q 0.05)" 80 tremolo "$(q 0.1333)" 40 vol 2
  bell "$d/toll.sox" 61.7 0.997 0.01 \
    "0.5 0.5 9" "1 0.9 8" "1.012 0.5 7" "1.19 0.45 6" "1.41 0.35 5" \
    "2 0.35 5" "2.51 0.2 3" "2.66 0.18 3"
  events "$d/tolls.sox" "1 0.8 0.8 $d/toll.sox" "31 0.8 0.8 $d/toll.sox"
  sx "$d/tolls.sox" "$d/tolls2.sox" lowpass 900 vol 2
  mix "$d/mix.sox" "$d/shepard.sox" "$d/saw.sox" "$d/sub.sox" "$d/trit.sox" \
    "$d/wind.sox" "$d/tolls2.sox"
  loopfx "$d/mix.sox" "$d/room.sox" 25 vol 0.5 reverb 90 70 100 100 30 -2 highpass 20
  music_out "$d/room.sox" "Scary Horror Ambience #2"
}

# Completion: a warm D major drone (D A D F#) that swells gently every 4 s,
# a faint G# shimmer to keep it uneasy, soft air and a few slow notes.
music_completion() {
  local d=$T/completion; mkdir -p "$d"
  tone "$d/root.raw.sox" triangle 73.4 73.4 0.30
  loopfx "$d/root.raw.sox" "$d/root.sox" 2 lowpass 500 tremolo "$(q 0.25)" 25
  tone "$d/fifth.raw.sox" triangle 110 110.1 0.16
  loopfx "$d/fifth.raw.sox" "$d/fifth.sox" 2 lowpass 600 tremolo "$(q 0.25)" 25 tremolo "$(q 0.0333)" 40
  tone "$d/oct.sox" sine 146.8 146.9 0.10
  tone "$d/third.raw.sox" sine 185 185.1 0.07
  loopfx "$d/third.raw.sox" "$d/third.sox" 1 tremolo "$(q 0.05)" 50
  tone "$d/eerie.raw.sox" sine 830.6 830.9 0.016
  loopfx "$d/eerie.raw.sox" "$d/eerie.sox" 1 tremolo "$(q 0.0333)" 100
  noise "$d/air.raw.sox" 60 200 0.5
  loopfx "$d/air.raw.sox" "$d/air.sox" 2 lowpass 500 lowpass 700 tremolo "$(q 0.0667)" 60 vol 1.2
  local n=0 f
  for f in 370 440 329.6 293.7 493.9; do
    note "$d/n$n.sox" "$f" 0.25 6; n=$((n + 1))
  done
  events "$d/motif.sox" \
    "5 0.9 0.6 $d/n0.sox" "9.5 0.6 0.9 $d/n1.sox" "14 0.8 0.7 $d/n2.sox" \
    "22 0.7 0.7 $d/n3.sox" "36 0.6 0.9 $d/n1.sox" "40.5 0.9 0.6 $d/n4.sox" \
    "45 0.7 0.8 $d/n0.sox" "52 0.8 0.6 $d/n2.sox"
  sx "$d/motif.sox" "$d/motif2.sox" vol 3.5
  mix "$d/mix.sox" "$d/root.sox" "$d/fifth.sox" "$d/oct.sox" "$d/third.sox" \
    "$d/eerie.sox" "$d/air.sox" "$d/motif2.sox"
  loopfx "$d/mix.sox" "$d/room.sox" 20 vol 0.6 reverb 70 50 90 100 15 -3 highpass 20
  music_out "$d/room.sox" "Scary Horror Ambience #5"
}

# ------------------------------------------------------------------- main

# Master white noise; every noise layer is a different stretch of it.
sx -r $SR -c 1 -n "$T/noise.sox" synth 300 whitenoise vol 0.5

# Two lanes for the two cores; either lane failing fails the run.
( music_menu; music_death; fx_click; fx_switch ) & lanes+=($!)
( music_game; music_completion; fx_completed; fx_game_over ) & lanes+=($!)
status=0
for p in "${lanes[@]}"; do wait "$p" || status=1; done
lanes=()
if ((status)); then echo "make_sounds: failed" >&2; exit 1; fi

if ((VERBOSE)); then
  printf '%-32s %8s %9s %9s %8s\n' file seconds "peak dB" "RMS dB" KiB
  for f in impactBell_heavy_003 metalClick impactBell_heavy_000 impactBell_heavy_001 \
           "Scary Horror Ambience #10" "Scary Horror Ambience #1" \
           "Scary Horror Ambience #2" "Scary Horror Ambience #5"; do
    f=$OUT/$f.ogg
    st=$(sox "$f" -n stats 2>&1)
    printf '%-32s %8.2f %9s %9s %8d\n' "$(basename "$f")" "$(sox --i -D "$f")" \
      "$(awk '/^Pk lev dB/ { print $4 }' <<<"$st")" \
      "$(awk '/^RMS lev dB/ { print $4 }' <<<"$st")" \
      $(( $(stat -c %s "$f") / 1024 ))
  done
fi
