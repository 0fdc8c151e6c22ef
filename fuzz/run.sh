#!/bin/sh
# Builds the libFuzzer harnesses of the picture readers with clang and
# runs each one for a while.
#   fuzz/run.sh                 every reader, 60 s each
#   FUZZ_SEKUNDEN=600 fuzz/run.sh jpeg
# Inputs that crash, leak, hang or exceed the memory limit are written to
# fuzz/abstuerze/<format>/; keep them there: the sanitizer regression test
# (test_codecs_fuzzregression) replays every file in those directories.
# The libraries come from Debian, not built for fuzzing: libjpeg, libpng,
# libwebp and libheif (with libde265) are not instrumented, so the fuzzer is
# steered by the coverage of our own code only, and faults inside them show
# where they touch memory through ASan's interceptors or give a result that
# breaks the checks of fuzz/leser.h.
set -e
cd "$(dirname "$0")/.."
wurzel=$(pwd)
bau="$wurzel/build-fuzz"
sekunden="${FUZZ_SEKUNDEN:-60}"
formate="${*:-bmp png jpeg webp heif}"
cxx="${FUZZ_CXX:-clang++}"

mkdir -p "$bau"
qt=$(pkg-config --cflags --libs Qt6Gui)
bib="$(pkg-config --cflags --libs libpng zlib libwebp libheif) -ljpeg"
codecs="codecs/bildcodec.cpp codecs/bmpcodec.cpp codecs/heifcodec.cpp codecs/jpegcodec.cpp codecs/jpegstrom.cpp codecs/pngcodec.cpp codecs/webpcodec.cpp"
gemeinsam="-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -I$wurzel -I$wurzel/tests/codecs"

# The seed corpus: generated, never committed.
echo "Baue den Korpusgenerator"
$cxx $gemeinsam tests/codecs/proben.cpp fuzz/korpus.cpp $qt $bib -o "$bau/korpus"
rm -rf "$bau/saat"
"$bau/korpus" "$bau/saat"

for format in $formate; do
  echo "Baue fuzz_$format"
  $cxx $gemeinsam -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    fuzz/fuzz_$format.cpp $codecs $qt $bib -o "$bau/fuzz_$format"
done

for format in $formate; do
  # New inputs go into the first directory, which grows from run to run.
  mkdir -p "$bau/arbeit/$format" "fuzz/abstuerze/$format"
  echo "Fuzze $format fuer $sekunden s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  QT_QPA_PLATFORM=offscreen \
  "$bau/fuzz_$format" "$bau/arbeit/$format" "$bau/saat/$format" \
    -max_total_time="$sekunden" -max_len=65536 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
    -timeout=10 -print_final_stats=1 -artifact_prefix="fuzz/abstuerze/$format/" \
    2>&1 | tee "$bau/fuzz_$format.log" | grep -E "^#[0-9]+ *(INITED|DONE)|ERROR|stat::number_of_executed_units|Test unit written" || true
done
