// libFuzzer harness for the PNG reader.
#include "fuzz/fuzzgrenzen.h"
#include "fuzz/leser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t laenge)
{
    fuzz::Pruefe(bildcodec::LesePng, daten, laenge, fuzz::FuzzGrenzen);
    return 0;
}
