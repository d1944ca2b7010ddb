// Any bytes as ./data/medals.txt, read as the game reads it. A table it takes must hold only levels
// the game has, with times in medal order, and must read back the same from its own text; one it
// refuses must leave no medals.
#include <cstdint>
#include <string>

#include "fuzz_support.hpp"
#include "trial/medal_table.hpp"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzing::startScratch();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::writeInput(MedalTable::path, data, size);
    const MedalTable table = MedalTable::load();
    const std::string text = table.toText();
    MedalTable reread;
    if (!MedalTable::parse(text, reread) || reread.toText() != text) fuzzing::broken("the table does not read back");
    for (int level = -1; level <= MedalTable::levelsPerMode; ++level) {
        for (const bool hard : {false, true}) {
            const MedalTimes* times = table.find(level, hard);
            if (times == nullptr) continue;
            if (level < 0 || level >= MedalTable::levelsPerMode) fuzzing::broken("times for a level the game lacks");
            if (!(0 < times->gold && times->gold <= times->silver && times->silver <= times->bronze))
                fuzzing::broken("medal times out of order");
            if (table.medalFor(level, hard, times->gold) != Medal::Gold) fuzzing::broken("par is not gold");
        }
    }
    const std::string input(reinterpret_cast<const char*>(data), size);
    MedalTable direct;
    const std::string taken = MedalTable::parse(input, direct) ? direct.toText() : MedalTable().toText();
    if (taken != text) fuzzing::broken("the game's load kept other times than the file held");
    return 0;
}
