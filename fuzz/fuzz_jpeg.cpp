// libFuzzer harness for the JPEG reader.
#include "fuzz/fuzzgrenzen.h"
#include "fuzz/leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    fuzz::Pruefe(bildcodec::LeseJpeg, daten, laenge, fuzz::FuzzGrenzen);
    return 0;
}
