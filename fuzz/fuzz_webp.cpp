// libFuzzer harness for the WebP reader.
#include "fuzz/fuzzgrenzen.h"
#include "fuzz/leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    fuzz::Pruefe(bildcodec::LeseWebp, daten, laenge, fuzz::FuzzGrenzen);
    return 0;
}
