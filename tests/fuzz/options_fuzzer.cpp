// Any bytes as ./data/dat/options.dat, read as the game reads it: what it takes reads back the same
// from its own text, and a file it refuses leaves the defaults.
#include <cstdint>
#include <string>

#include "fuzz_support.hpp"
#include "trial/play_options.hpp"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzing::startScratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::writeInput(PlayOptions::path, data, size);
    const PlayOptions options = PlayOptions::load();
    PlayOptions reread;
    if (!PlayOptions::parse(options.toText(), reread) || reread.ghostShown != options.ghostShown)
        fuzzing::broken("the options do not read back");
    PlayOptions direct;
    const bool taken = PlayOptions::parse(std::string(reinterpret_cast<const char*>(data), size), direct);
    if (!taken && !options.ghostShown) fuzzing::broken("a refused file did not leave the defaults");
    return 0;
}
