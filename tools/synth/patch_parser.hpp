// Reads the setting lines that effect voices and score instruments share into a Patch.
#pragma once

#include "patch.hpp"
#include "source_text.hpp"

namespace synth {

class PatchParser {
public:
    explicit PatchParser(const SourceText& source);

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
