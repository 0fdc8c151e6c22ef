#pragma once
// Size limits for fuzzing. The program's own limits allow 600 MB pictures; a
// mutated header would make every run allocate that much and the fuzzer crawl.
// The checks themselves are the same, only the numbers are smaller.
#include "codecs/bildcodec.h"

namespace fuzz {

inline constexpr bildcodec::Grenzen FuzzGrenzen{.maxSeite = 4096, .maxPixel = 4'000'000};

} // namespace fuzz
