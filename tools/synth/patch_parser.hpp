// Reads the setting lines that effect voices and score instruments share into a Patch.
#pragma once

#include <functional>
#include <string>

#include "patch.hpp"
#include "source_text.hpp"

namespace synth {

struct NamedPatch {
    std::string name;
    Patch patch;
};

class PatchParser {
public:
    // The patch already defined under a name, or null.
    using PatchLookup = std::function<const Patch*(const std::string& name)>;
    // Reads a line inside a block that is not a patch setting; false when it is not known there either.
    using OtherLineReader = std::function<bool(const SourceLine& line)>;

    explicit PatchParser(const SourceText& source);

    // Reads a "<kind> <name> [from <other>]" ... "end" block starting at the index, which is left on its "end".
    NamedPatch readBlock(std::size_t& index, const std::string& kind, const PatchLookup& defined,
                         const OtherLineReader& readOther) const;

    // Applies a setting line to the patch; false when the line is not a patch setting at all.
    bool apply(const SourceLine& line, Patch& patch) const;

private:
    bool applySimple(const SourceLine& line, Patch& patch) const;
    void readOscillator(const SourceLine& line, Patch& patch) const;
    void readFilter(const SourceLine& line, Patch& patch) const;
    void readEnvelope(const SourceLine& line, Patch& patch) const;
    double readPositive(const SourceLine& line, std::size_t index, const std::string& what) const;

    const SourceText& source;
};

}  // namespace synth
