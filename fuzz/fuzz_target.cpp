#include "properties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

// The libFuzzer entry of the target named at build time. A broken property
// aborts, so that libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ajuste::fuzz::Check check = ajuste::fuzz::checkFor(AJUSTE_FUZZ_TARGET);
    try {
        check({reinterpret_cast<const char*>(data), size});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", AJUSTE_FUZZ_TARGET, error.what());
        std::abort();
    }
    return 0;
}
