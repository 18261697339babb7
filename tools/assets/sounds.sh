#!/usr/bin/env bash
# Synthesises every sound cue of the game into data/music (sox + espeak-ng).
# Run it as: bash tools/assets/sounds.sh (from any folder). It overwrites its outputs and
# gives the same bytes on every run (noise is seeded with sox -R, no dither).
set -euo pipefail

cd "$(dirname "$0")/../.."
OUT=data/music
RATE=22050
# Working format: float keeps the mixes free of clipping until the last step.
W=(-r "$RATE" -c 1 -b 32 -e floating-point)
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
mkdir -p "$OUT"

# Every file ends at the same loudness: the loudest 400 ms of a roughly
# ear-weighted copy sits at TARGET dBFS, unless the peak would pass PEAK.
TARGET=-16
PEAK=-1

calc() { awk "BEGIN { printf \"%.4f\", $* }"; }

# hz NOTE [CENTS]: frequency of a note such as A4, F#3 or Bb2, optionally detuned.
hz() {
    awk -v n="$1" -v c="${2:-0}" 'BEGIN {
        split("C D E F G A B", name, " "); split("0 2 4 5 7 9 11", semi, " ")
        for (i = 1; i <= 7; i++) s[name[i]] = semi[i]
        m = s[substr(n, 1, 1)]; r = substr(n, 2)
        while (r ~ /^[#b]/) { m += (substr(r, 1, 1) == "#") ? 1 : -1; r = substr(r, 2) }
        printf "%.3f", 440 * 2 ^ ((m + 12 * (r + 1) - 69 + c / 100) / 12) }'
}

gen() { sox -R -n "${W[@]}" "$@"; }

# mix OUT FILE@SECONDS[*GAIN]...: lays the files onto one timeline and
# normalises the sum, so the gains only set the balance inside it.
mix() {
    local out=$1 s f t g args=()
    shift
    for s; do
        f=${s%%@*} t=${s#*@} g=1
        if [[ $t == *'*'* ]]; then g=${t#*\*} t=${t%\**}; fi
        args+=(-v "$(calc "$g / $#")" "|sox $f -p pad $t")
    done
    if (($# == 1)); then
        sox "${args[2]}" "${W[@]}" "$out" norm -1
    else
        sox -m "${args[@]}" "${W[@]}" "$out" norm -1
    fi
}

# Instruments. Each one makes a single note (once; the file is reused by
# later calls) and prints its file name, so scores can be written inline.

# brass NOTE DUR: three detuned saws; a bright layer that dies away gives the
# attack its edge, a dull layer carries the sustain.
brass() {
    local f="$T/brass-$1-$2.wav" d=$2 a b c
    if [[ ! -e $f ]]; then
        a=$(hz "$1" -7) b=$(hz "$1") c=$(hz "$1" 7)
        sox -R -c 3 -r "$RATE" -n "${W[@]}" "$T/dull.wav" synth "$d" sawtooth "$a" sawtooth "$b" sawtooth "$c" \
            remix - gain -6 lowpass 1100 lowpass 1800 fade q 0.035 "$d" 0.09
        sox -R -c 3 -r "$RATE" -n "${W[@]}" "$T/bright.wav" synth "$d" sawtooth "$a" sawtooth "$b" sawtooth "$c" \
            remix - gain -6 lowpass 3500 equalizer 1400 1q 4 fade q 0.02 "$d" "$(calc "$d * 0.8")"
        mix "$f" "$T/dull.wav@0" "$T/bright.wav@0*0.7"
    fi
    echo "$f"
}

# pad DUR NOTE...: slow swelling chord of detuned saws, dark and soft.
pad() {
    local d=$1 voices=() n
    shift
    local notes="$*"
    local f="$T/pad-$d-${notes// /_}.wav"
    if [[ ! -e $f ]]; then
        for n; do voices+=(sawtooth "$(hz "$n" -9)" sawtooth "$(hz "$n" 9)"); done
        sox -R -c $((${#voices[@]} / 2)) -r "$RATE" -n "${W[@]}" "$f" synth "$d" "${voices[@]}" \
            remix - gain -12 lowpass 700 lowpass 1000 chorus 0.7 0.9 45 0.4 0.25 2 -t \
            fade h "$(calc "$d * 0.35")" "$d" "$(calc "$d * 0.4")"
    fi
    echo "$f"
}

# bell NOTE DUR: a struck metal bar. Its upper modes are inharmonic and
# die sooner than the fundamental, which is what makes it read as metal.
bell() {
    local f="$T/bell-$1-$2.wav" base d=$2 r g k p fr dd parts=()
    if [[ ! -e $f ]]; then
        base=$(hz "$1")
        k=0
        for p in "1 1 1" "2.76 0.5 0.45" "5.40 0.3 0.25" "8.93 0.15 0.14"; do
            read -r r g dd <<<"$p"
            fr=$(calc "$base * $r")
            # modes above the band would fold back as noise
            if awk "BEGIN { exit !($fr > 10000) }"; then continue; fi
            dd=$(calc "$d * $dd")
            k=$((k + 1))
            gen "$T/mode$k.wav" synth "$dd" sine "$fr" gain -3 fade l 0.002 "$dd" "$(calc "$dd - 0.002")"
            parts+=("$T/mode$k.wav@0*$g")
        done
        mix "$f" "${parts[@]}"
    fi
    echo "$f"
}

# pluck NOTE DUR: plucked string that rings out.
pluck() {
    local f="$T/pluck-$1-$2.wav"
    [[ -e $f ]] || gen "$f" synth "$2" pluck "$(hz "$1")" gain -6 lowpass 4000 fade t 0 "$2" "$(calc "$2 * 0.6")"
    echo "$f"
}

# saw NOTE DUR: short filtered saw for staccato ostinatos and basses.
saw() {
    local f="$T/saw-$1-$2.wav"
    [[ -e $f ]] || gen "$f" synth "$2" sawtooth "$(hz "$1")" sawtooth "$(hz "$1" 10)" remix - gain -6 \
        lowpass 1500 fade q 0.005 "$2" "$(calc "$2 * 0.5")"
    echo "$f"
}

# drum HZ_FROM HZ_TO DUR: a drum head whose pitch falls as it decays, with a
# short noise click on top so it still reads on small speakers.
drum() {
    local f="$T/drum-$1-$2-$3.wav"
    if [[ ! -e $f ]]; then
        gen "$T/body.wav" synth "$3" sine "$1/$2" gain -3 fade l 0.002 "$3" "$(calc "$3 - 0.002")"
        gen "$T/click.wav" synth 0.03 whitenoise gain -6 bandpass 2500 1q fade l 0.001 0.03 0.029
        mix "$f" "$T/body.wav@0" "$T/click.wav@0*0.35"
    fi
    echo "$f"
}

# hat: a closed hi-hat tick.
hat() {
    local f="$T/hat.wav"
    [[ -e $f ]] || gen "$f" synth 0.07 whitenoise gain -6 highpass 6000 fade l 0.001 0.07 0.069
    echo "$f"
}

# chord OUT INSTRUMENT DUR NOTE...: the notes struck together.
chord() {
    local out=$1 inst=$2 d=$3 n parts=()
    shift 3
    for n; do parts+=("$($inst "$n" "$d")@0"); done
    mix "$out" "${parts[@]}"
    echo "$out"
}

# speak OUT TEXT: the Russian voice, warmed up, given a little room and
# squeezed like a broadcast announcer, so it stands as loud as the music.
speak() {
    espeak-ng -v ru -s 150 -p 42 -w "$T/voice.wav" "$2"
    sox "$T/voice.wav" "${W[@]}" "$1" gain -6 highpass 90 bass 3 200 equalizer 3000 1q 2 \
        compand 0.002,0.1 6:-70,-70,-40,-22,-20,-12,0,-6 -2 -90 0.005 reverb 20 50 40 \
        compand 0,0.02 -9,-9,0,-5 0 -90 0.002 norm -1
}

# loudness FILE: level of the loudest 400 ms (in 100 ms steps) of a roughly
# ear-weighted copy, in dBFS: the low end counts less, the presence range more.
loudness() {
    sox "$1" -t dat - gain -10 highpass 40 treble 4 1700 | awk -v n=$((RATE / 10)) '
        /^;/ { next }
        { s += $2 * $2; if (++i == n) { b[k++] = s; s = 0; i = 0 } }
        END {
            for (j = 0; j + 3 < k; j++) { e = b[j] + b[j + 1] + b[j + 2] + b[j + 3]; if (e > m) m = e }
            printf "%.2f", 10 * log(m / (4 * n)) / log(10) + 10 }'
}

# finish NAME FILE: loudness matching, short fades against clicks, and the
# shipped format (22 050 Hz, mono, 16-bit PCM).
finish() {
    local name=$1 in=$T/final.wav loud peak g len
    # the high-pass takes away any offset left by the drum sweeps
    sox "$2" "${W[@]}" "$in" gain -6 highpass 20
    loud=$(loudness "$in")
    peak=$(sox "$in" -n stats 2>&1 | awk '$1 == "Pk" { print $4 }')
    g=$(calc "($TARGET - $loud) < ($PEAK - $peak) ? ($TARGET - $loud) : ($PEAK - $peak)")
    sox -D "$in" -r "$RATE" -c 1 -b 16 -e signed-integer "$OUT/$name" gain "$g" fade h 0.005 -0 0.03
    len=$(soxi -D "$OUT/$name")
    printf '%-14s %5.2f s  loudness %6.2f dBFS\n' "$name" "$len" "$(loudness "$OUT/$name")"
    if awk "BEGIN { exit !($len > 6) }"; then
        echo "$name is $len s long, over 6 s" >&2
        exit 1
    fi
}

# ---------------------------------------------------------------- greetings

# Bb - Bb - Eb: two short pick-ups and a held chord, kettle drum under both.
fanfare1() {
    chord "$T/ch1.wav" brass 0.2 Bb3 D4 F4 Bb4 >/dev/null
    chord "$T/ch2.wav" brass 1.0 Eb3 G3 Bb3 Eb4 G4 >/dev/null
    mix "$1" "$T/ch1.wav@0" "$T/ch1.wav@0.24" "$T/ch2.wav@0.48*1.2" \
        "$(brass Eb2 1.0)@0.48*0.5" "$(drum 110 90 0.6)@0*0.6" "$(drum 90 75 1.0)@0.48*0.8"
}

# G - C/G - G with the top voice climbing to the fifth.
fanfare2() {
    chord "$T/ch1.wav" brass 0.34 G3 B3 D4 G4 >/dev/null
    chord "$T/ch2.wav" brass 0.34 G3 C4 E4 C5 >/dev/null
    chord "$T/ch3.wav" brass 1.0 G3 B3 D4 G4 D5 >/dev/null
    mix "$1" "$T/ch1.wav@0" "$T/ch2.wav@0.38" "$T/ch3.wav@0.76*1.2" \
        "$(brass G2 1.8)@0*0.5" "$(drum 98 80 0.5)@0*0.6" "$(drum 98 80 0.5)@0.38*0.6" "$(drum 98 72 1.0)@0.76*0.8"
}

fanfare1 "$T/f.wav"
speak "$T/s.wav" "Добро пожаловать в игру Зориклад!"
mix "$T/hello1.wav" "$T/f.wav@0" "$T/s.wav@1.25*1.4"
finish hello1.wav "$T/hello1.wav"

fanfare2 "$T/f.wav"
# spelt as spoken, so the voice drops the silent "в"
speak "$T/s.wav" "Здраствуйте! Начинаем игру Зориклад!"
mix "$T/hello2.wav" "$T/f.wav@0" "$T/s.wav@1.55*1.4"
finish hello2.wav "$T/hello2.wav"

# ---------------------------------------------------------- question stings

# good0: a dark swelling pad with a trembling diminished chord and a high
# line that slides up: suspense without a resolution.
gen "$T/trem.wav" synth 2.6 sawtooth "$(hz A3)" sawtooth "$(hz C4)" sawtooth "$(hz Eb4)" remix - gain -9 \
    lowpass 1500 tremolo 7 70 fade h 1.2 2.6 0.8
gen "$T/glide.wav" synth 2.6 sine "$(hz A5)/$(hz E6)" gain -6 tremolo 5 30 fade h 1.5 2.6 0.6
mix "$T/good0.wav" "$(pad 2.6 A1 E2)@0" "$T/trem.wav@0*0.7" "$T/glide.wav@0*0.25"
finish good0.wav "$T/good0.wav"

# good1: a plucked minor arpeggio running up three octaves, caught by a bell.
parts=()
t=0
for n in C3 Eb3 G3 C4 Eb4 G4 C5 Eb5 G5 C6; do
    parts+=("$(pluck "$n" 1.0)@$t")
    t=$(calc "$t + 0.085")
done
parts+=("$(bell C6 1.3)@$t*1.2" "$(bell G5 1.3)@$t*0.8" "$(pad 1.8 C3 G3)@0.1*0.8")
mix "$T/good1.wav" "${parts[@]}"
finish good1.wav "$T/good1.wav"

# good2: a heartbeat under a gated synth pulse on the same low E.
gen "$T/pulse.wav" synth 2.4 sawtooth "$(hz E2)" sawtooth "$(hz E2 8)" remix - gain -6 lowpass 700 \
    synth 2.4 trapezium amod 8 0 0 4 30 45 fade h 0.3 2.4 0.5
parts=("$T/pulse.wav@0*0.6")
for t in 0 0.8 1.6; do
    parts+=("$(drum 70 45 0.3)@$t" "$(drum 70 45 0.3)@$(calc "$t + 0.2")*0.7")
done
mix "$T/good2.wav" "${parts[@]}"
finish good2.wav "$T/good2.wav"

# good3: a rising swept chord over a noise swell that stops on a brass stab.
gen "$T/rise.wav" synth 1.45 sawtooth "110/440" sawtooth "165/660" sawtooth "111/444" remix - gain -9 \
    lowpass 2000 fade h 1.2 1.45 0.02
gen "$T/swell.wav" synth 1.45 whitenoise gain -6 highpass 3000 fade t 1.4 1.45 0.02
chord "$T/stab.wav" brass 0.6 D3 A3 D4 F4 A4 >/dev/null
mix "$T/good3.wav" "$T/rise.wav@0*0.7" "$T/swell.wav@0*0.08" "$T/stab.wav@1.45" "$(drum 90 60 0.6)@1.45*0.7"
finish good3.wav "$T/good3.wav"

# good4: staccato octaves that climb a semitone every four notes.
parts=()
t=0
for root in D Eb E F G; do
    for o in 3 4 3 4; do
        parts+=("$(saw "$root$o" 0.08)@$t")
        t=$(calc "$t + 0.1")
    done
done
parts+=("$(pad 0.8 G3 D4 G4)@$t")
mix "$T/good4.wav" "${parts[@]}"
finish good4.wav "$T/good4.wav"

# good5: a kettle-drum roll that grows and lands on a minor brass chord.
parts=()
t=0
for i in $(seq 0 19); do
    parts+=("$(drum 98 92 0.6)@$t*$(calc "0.15 + 0.85 * $i / 19")")
    t=$(calc "$t + 0.065")
done
chord "$T/hit.wav" brass 0.9 C3 G3 C4 Eb4 G4 >/dev/null
parts+=("$(drum 98 80 0.9)@$t*1.3" "$T/hit.wav@$t*1.2")
mix "$T/good5.wav" "${parts[@]}"
finish good5.wav "$T/good5.wav"

# ------------------------------------------------------- answers and lifelines

# bell: a major chord of bars, rolled quickly from the bottom.
mix "$T/bell.wav" "$(bell C6 2.0)@0" "$(bell E6 2.0)@0.03" "$(bell G6 2.0)@0.06" "$(bell C7 2.0)@0.09*0.7" \
    "$(bell C5 2.0)@0*0.6"
finish bell.wav "$T/bell.wav"

# bad: a flat "ehh" then a longer fall, both on buzzing detuned squares.
gen "$T/buzz1.wav" synth 0.28 square 131 square 133 remix - gain -6 lowpass 1200 fade q 0.01 0.28 0.05
gen "$T/buzz2.wav" synth 1.1 square "123-62" square "125-63" remix - gain -6 lowpass 1200 fade q 0.01 1.1 0.35
mix "$T/bad.wav" "$T/buzz1.wav@0" "$T/buzz2.wav@0.34"
finish bad.wav "$T/bad.wav"

# bellOtbor: a fast upward run of small bells, then a glitter of tiny high
# pings scattered over the ringing.
parts=()
t=0
for n in C6 D6 E6 G6 A6 C7 D7 E7; do
    parts+=("$(bell "$n" 1.2)@$t")
    t=$(calc "$t + 0.07")
done
while read -r n at g; do
    parts+=("$(bell "$n" 0.35)@$at*$g")
done < <(awk 'BEGIN {
    srand(3); split("C8 D8 E8 G8 A8 C9", hi, " ")
    for (k = 0; k < 14; k++) printf "%s %.3f %.2f\n", hi[1 + int(rand() * 6)], 0.5 + k * 0.06 + rand() * 0.05, 0.45 - k * 0.02 }')
mix "$T/bellOtbor.wav" "${parts[@]}"
finish bellOtbor.wav "$T/bellOtbor.wav"

# -------------------------------------------------------------------- intros

# intro1: a bright march tune on brass over bass, hats and chords (C F G C).
parts=()
e=0.2 # one eighth
beat() { calc "$1 * 2 * $e"; }
melody=(C5:0:1 E5:1.5:0.5 G5:2:1 C6:3:2 B5:5:1 A5:6:0.5 G5:6.5:0.5 E5:7:0.5 G5:7.5:0.5)
for m in "${melody[@]}"; do
    IFS=: read -r n at len <<<"$m"
    parts+=("$(brass "$n" "$(calc "$len * 2 * $e * 0.9")")@$(beat "$at")")
done
for i in 0 1 2 3 4 5 6 7; do
    root=C2
    ((i >= 4)) && root=F2
    ((i >= 6)) && root=G2
    parts+=("$(saw "$root" 0.3)@$(beat $i)*0.8" "$(hat)@$(beat "$i.5")*0.35")
done
parts+=("$(pad 0.8 E4 G4 C5)@0*0.5" "$(pad 0.8 F4 A4 C5)@$(beat 4)*0.5" "$(pad 0.8 D4 G4 B4)@$(beat 6)*0.5")
chord "$T/end.wav" brass 1.1 C3 G3 C4 E4 G4 C5 >/dev/null
parts+=("$T/end.wav@$(beat 8)*1.2" "$(drum 98 75 1.0)@$(beat 8)")
mix "$T/intro1.wav" "${parts[@]}"
finish intro1.wav "$T/intro1.wav"

# intro2: a slow minor bell tune over a swelling pad and a low drone.
parts=("$(pad 4.8 A2 E3 C4 B4)@0*0.9" "$(pad 4.8 A1)@0*0.6")
for m in E5:0.4 A5:0.9 C6:1.4 B5:1.9 A5:2.4 E6:2.9 D6:3.4 C6:3.6; do
    IFS=: read -r n at <<<"$m"
    parts+=("$(bell "$n" 1.6)@$at*0.8")
done
mix "$T/i2.wav" "${parts[@]}"
sox "$T/i2.wav" "${W[@]}" "$T/intro2.wav" echo 0.8 0.7 300 0.25 norm -1
finish intro2.wav "$T/intro2.wav"

# intro3: a driving eighth-note bass ostinato with kick and stabs, stepping up
# a tone for its second half and closing on an E minor chord.
parts=()
t=0
chords=("B3 E4 G4" "C#4 F#4 A4")
for half in "E2 E3 E2 G2 E2 D3 E2 B2" "F#2 F#3 F#2 A2 F#2 E3 F#2 C#3"; do
    for _ in 1 2; do
        i=0
        for n in $half; do
            parts+=("$(saw "$n" 0.14)@$t*0.8")
            ((i % 2 == 0)) && parts+=("$(drum 80 50 0.25)@$t*0.7")
            ((i % 2 == 1)) && parts+=("$(hat)@$t*0.3")
            t=$(calc "$t + 0.14")
            i=$((i + 1))
        done
    done
    # shellcheck disable=SC2086 # the chord is a list of notes
    parts+=("$(pad 1.1 ${chords[0]})@$(calc "$t - 1.12")*0.6")
    chords=("${chords[@]:1}")
done
chord "$T/end.wav" brass 1.2 E3 B3 E4 G4 B4 >/dev/null
parts+=("$T/end.wav@$t*1.3" "$(drum 80 45 1.0)@$t" "$(bell E6 1.2)@$t*0.5")
mix "$T/intro3.wav" "${parts[@]}"
finish intro3.wav "$T/intro3.wav"

# ------------------------------------------------------------------ reactions

# applause: many clappers, each a noise burst repeated at its own rate,
# through its own band; they join and leave at different times, so the
# whole swells and fades out. One seeded noise take, read from a different
# place for every clapper, keeps them from clapping the same sound.
gen "$T/noise.wav" synth 12 whitenoise
parts=()
while read -r k off rate ph centre start len g; do
    sox "$T/noise.wav" "${W[@]}" "$T/clap$k.wav" trim "$off" "$len" \
        synth "$len" exp amod "$rate" 0 "$ph" 3 100 \
        bandpass "$centre" 1.4q highpass 600 fade t 0.15 "$len" 0.6
    parts+=("$T/clap$k.wav@$start*$g")
done < <(awk 'BEGIN {
    srand(7)
    for (k = 0; k < 40; k++)
        printf "%d %.3f %.2f %.1f %d %.3f %.3f %.2f\n", k, rand() * 7, 3.2 + rand() * 2.3, rand() * 100,
            800 + rand() * 1700, rand() * 0.5, 2.6 + rand() * 1.6, 0.5 + rand() * 0.5 }')
gen "$T/crowd.wav" synth 4.6 pinknoise gain -6 lowpass 1200 highpass 200 fade q 0.6 4.6 1.5
parts+=("$T/crowd.wav@0*0.8")
mix "$T/claps.wav" "${parts[@]}"
sox "$T/claps.wav" "${W[@]}" "$T/applause.wav" trim 0 4.5 gain -6 reverb 35 50 70 fade q 0.3 4.5 1.2
finish applause.wav "$T/applause.wav"

# NoMoney: the sad muted-trombone slide down four semitones, each note
# opening from dull to bright ("wah"); the last one wobbles and sinks.
trombone() { # OUT NOTE DUR
    local d=$3 a b
    a=$(hz "$2" -5) b=$(hz "$2" 5)
    gen "$T/tdull.wav" synth "$d" sawtooth "$a" sawtooth "$b" remix - gain -8 lowpass 450 lowpass 700 \
        fade q 0.04 "$d" 0.1
    gen "$T/tbright.wav" synth "$d" sawtooth "$a" sawtooth "$b" remix - gain -8 lowpass 1800 \
        equalizer 1000 1q 5 fade h "$(calc "$d * 0.3")" "$d" "$(calc "$d * 0.7")"
    mix "$1" "$T/tdull.wav@0" "$T/tbright.wav@0*0.9"
}
trombone "$T/t1.wav" G3 0.42
trombone "$T/t2.wav" F#3 0.42
trombone "$T/t3.wav" F3 0.42
trombone "$T/t4.wav" E3 1.7
# vibrato of +-35 cents at about 5.5 Hz, then a droop at the very end
sox "$T/t4.wav" "${W[@]}" "$T/t4v.wav" gain -6 bend -f 50 0.35,35,0.045 0,-70,0.09 0,70,0.09 0,-70,0.09 0,70,0.09 \
    0,-70,0.09 0,70,0.09 0,-70,0.09 0,70,0.09 0,-70,0.09 0,35,0.045 0,-120,0.3
mix "$T/NoMoney.wav" "$T/t1.wav@0" "$T/t2.wav@0.48" "$T/t3.wav@0.96" "$T/t4v.wav@1.44"
finish NoMoney.wav "$T/NoMoney.wav"

# name: the spoken invitation over a quiet pad.
speak "$T/s.wav" "Пожалуйста, введите своё имя."
mix "$T/name.wav" "$T/s.wav@0.35" "$(pad 3.4 F3 A3 C4 E4)@0*0.18"
finish name.wav "$T/name.wav"
