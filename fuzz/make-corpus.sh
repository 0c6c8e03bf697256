#!/usr/bin/env bash
# Seeds the fuzzers' corpus folders: BUILD_DIR/fuzz-corpus/<target>/, one file
# per seed. libFuzzer adds what it finds to the same folders, so run this once
# per build folder; seeds already there are rewritten, found inputs are kept.
#   fuzz/make-corpus.sh build/fuzz
set -euo pipefail
if [ $# -ne 1 ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
corpus="$1/fuzz-corpus"

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

echo "Seeded $corpus"
