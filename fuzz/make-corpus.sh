#!/usr/bin/env bash
# Seeds the fuzzers' corpus folders: BUILD_DIR/fuzz-corpus/<target>/, one file
# per seed. libFuzzer adds what it finds to the same folders, so run this once
# per build folder; seeds already there are rewritten, found inputs are kept.
# With a Data folder (one vellumark-data wrote) the file readers also get
# seeds cut from the real data files.
#   fuzz/make-corpus.sh build/fuzz [DATA_FOLDER]
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [DATA_FOLDER]" >&2
    exit 2
fi
corpus="$1/fuzz-corpus"
data="${2:-}"

# seed TARGET NAME TEXT: the file <TARGET>/seed-<NAME> holding TEXT with no
# final newline.
seed() {
    mkdir -p "$corpus/$1"
    printf '%s' "$3" >"$corpus/$1/seed-$2"
}

# Numbers as typed into the fields, and report names.
seed number_parsing plain "26"
seed number_parsing blanks " 26 "
seed number_parsing signed "-26"
seed number_parsing fraction "26.0"
seed number_parsing leading-point ".5"
seed number_parsing exponent " 2.6e1 "
seed number_parsing large "1e10"
seed number_parsing exponent-sign "+2.6E-1"
seed number_parsing grouped "1,000"
seed number_parsing hex "0x1A"
seed number_parsing report-name "notes.htm.html"
seed number_parsing report-name-case "notes.HTML"

# Typed and pasted Hebrew: pointed, presentation forms, maqaf, wide and
# symbol letters, bytes that are not UTF-8.
seed hebrew_input pointed "בְּרֵאשִׁית בָּרָא"
seed hebrew_input presentation "$(printf '\xef\xac\xaa\xef\xac\xa1 \xef\xad\x8f')"
seed hebrew_input maqaf "$(printf 'כל\xd6\xbeהארץ')"
seed hebrew_input symbols "$(printf '\xe2\x84\xb5\xe2\x84\xb6 \xef\xac\xa0')"
seed hebrew_input broken "$(printf '\xd7\xd7\x90\xff\xc0\xaf\xed\xa0\x80')"

# seed_from TARGET NAME: the file <TARGET>/seed-<NAME> holding standard input.
seed_from() {
    mkdir -p "$corpus/$1"
    cat >"$corpus/$1/seed-$2"
}

# The searches' own small data set, untouched (selector 4 keeps the file's
# bytes after an empty replacement), for a value each search finds.
for value in 2 3 7; do
    printf "\\004\\000\\000\\000\\000\\000\\$(printf %03o "$value")\\003" |
        seed_from searches "good-$value"
done
printf '\004\000\000\000\000\000\002\001' | seed_from searches good-word-count
# By ordinal within Gen 1:2-3 (selector bits 3-5 and 6-7), for the value 2.
printf '\134\000\000\000\000\000\002\003' | seed_from searches good-ordinal-range

# A report as the searches write it, for the filter.
report_head='<html>\r\n<head>\r\n</head>\r\n<body>\r\n'
printf "\\001W\\000\\000$report_head<p><a href='..\\\\Data\\\\EnglishOT.html#1'><b>Gen 1:1 </b></a>  <b><i>W</i></b> X\\r\\n<blockquote><font color='blue'>E</font></blockquote>\\r\\n</body></html>\\r\\n" |
    seed_from report_filter small-report

# The command line: the text of values.txt, then the arguments, each ended by NUL.
printf '7\n\t2\r\n\0search\0--values-from\0values.txt\0--match\0words\0--format\0csv\0--output\0out.csv\0' |
    seed_from command_line values-to-csv
printf '\0search\0--value\0007\0--match\0verse-runs\0--report\0r\0--yes\0' |
    seed_from command_line report
printf '\0search\0--value\0003\0--match\0verses\0--range\0Gen 1:1-1:3\0--format\0json\0' |
    seed_from command_line range-json
printf '\0value\0\327\220\327\234\327\224\327\231\327\235\0' | seed_from command_line hebrew-value
printf '\0totals\0--range\0Gen 1:1-Gen 1:3\0--method\0ordinal\0' | seed_from command_line totals
printf '\0filter\0--report\0r\0--text\0W1\0--heading\0H\0' |
    seed_from command_line filter
printf '\0--help\0' | seed_from command_line help
# user-dirs.dirs as desktops write it and as people edit it, after the flags
# byte (0: a file in ~/.config; 1: a link; 4: in $XDG_CONFIG_HOME; 8: with
# XDG_DOCUMENTS_DIR set; 2, 3, 16: a pipe, a folder, a file too large).
# seed_dirs NAME FLAGS TEXT: FLAGS is the byte in octal.
seed_dirs() {
    { printf "\\$2"; printf '%s' "$3"; } | seed_from documents_folder "$1"
}
seed_dirs desktop 000 '# This file is written by xdg-user-dirs-update
XDG_DESKTOP_DIR="$HOME/Desktop"
XDG_DOCUMENTS_DIR="$HOME/Documents"
XDG_MUSIC_DIR="$HOME/Music"
'
seed_dirs edited 001 'export XDG_DOCUMENTS_DIR="${HOME}/My \"Docs\""  # mine
D=~/d; XDG_DOCUMENTS_DIR=$D'"'/x'"'\ y'
seed_dirs unquoted 014 'XDG_DOCUMENTS_DIR=/srv/docs/../shared/'
seed_dirs relative 010 'XDG_DOCUMENTS_DIR=docs'
seed_dirs commands 000 'XDG_DOCUMENTS_DIR=/a echo; XDG_DOCUMENTS_DIR=$(pwd) `id` ${X:-y}'
seed_dirs open-quote 000 "XDG_DOCUMENTS_DIR=/q
XDG_DOCUMENTS_DIR='/r"
seed_dirs pipe 002 ''
seed_dirs too-large 020 'XDG_DOCUMENTS_DIR=/big'

if [ -z "$data" ]; then
    echo "Seeded $corpus"
    exit 0
fi
for file in LineData.dat WordMatrix.dat Hebrew.txt EnglishOT.html; do
    if [ ! -f "$data/$file" ]; then
        echo "$0: $data/$file is missing (vellumark-data writes it)" >&2
        exit 1
    fi
done

# Record files: the first byte splits the rest, here 70/255 of 1,020 bytes,
# so the first 20 records and the first 740 bytes of the word blocks.
{ printf '\106'; head -c 280 "$data/LineData.dat"; head -c 740 "$data/WordMatrix.dat"; } |
    seed_from record_files first-verses
{ printf '\377'; head -c 280 "$data/LineData.dat"; } | seed_from record_files records-only
{ printf '\000'; head -c 400 "$data/WordMatrix.dat"; } | seed_from record_files words-only

# English lookup: Gen 1:3 (book 1, chapter 1, verse 3), then the file's head
# and its first verse lines.
english_slice() {
    head -n 10 "$data/EnglishOT.html"
    grep -m 10 '^<P>' "$data/EnglishOT.html"
}
{ printf '\001\000\001\000\003'; english_slice; } | seed_from english_lookup gen-1-3
{ printf '\000\000\000\000\000'; grep -m 10 '^<P>' "$data/EnglishOT.html"; } |
    seed_from english_lookup next-lines

# Searches: one real slice in place of each good file. The value 2701 is the
# gematria of Gen 1:1.
real_slice() {
    case "$1" in
    0) head -c 280 "$data/LineData.dat" ;;
    1) head -c 300 "$data/WordMatrix.dat" ;;
    2) head -n 10 "$data/Hebrew.txt" ;;
    3) grep -m 10 '^<P>' "$data/EnglishOT.html" ;;
    esac
}
for which in 0 1 2 3; do
    { printf "\\00$which\\000\\000\\000\\000\\012\\215\\003"; real_slice "$which"; } |
        seed_from searches "real-$which"
done

# A real report: the first three verses, each entry with its first Hebrew word
# highlighted and its English text.
{
    printf '\001\000\000'
    printf '<html>\r\n<head>\r\n</head>\r\n<body>\r\n'
    head -n 3 "$data/Hebrew.txt" | tr -d '\r' | paste -d '\t' - <(grep -m 3 '^<P>' "$data/EnglishOT.html" | tr -d '\r') |
        awk -F '\t' '{
            split($1, f, " "); key = f[1] " " f[2]; word = f[3]; rest = ""
            for (i = 4; i in f; ++i) rest = rest " " f[i]
            english = $2; sub(/^[^>]*>[^>]*>/, "", english)
            printf "<p><a href=\x27..\\Data\\EnglishOT.html#%d\x27><b>%s </b></a>  <b><i>%s</i></b>%s\r\n", NR, key, word, rest
            printf "<blockquote><font color=\x27blue\x27>%s</font></blockquote>\r\n", english
        }'
    printf '</body></html>\r\n'
} | seed_from report_filter real-report

echo "Seeded $corpus from $data"
