#include "trial/play_options.hpp"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "records/crash_safe_write.hpp"

namespace {

const std::string ghostShownLine = "ghost 1";
const std::string ghostHiddenLine = "ghost 0";

}  // namespace

PlayOptions PlayOptions::load()
{
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return PlayOptions{};
    }
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    PlayOptions options;
    if (file.bad() || !parse(text, options)) {
        std::printf("Failed to load %s\n", path);
    }
    return options;
}

bool PlayOptions::parse(const std::string& text, PlayOptions& options)
{
    options = PlayOptions{};
    const std::string head = std::string(versionLine) + "\n";
    if (text.size() > largestFile || text.compare(0, head.size(), head) != 0) {
        return false;
    }
    const std::string rest = text.substr(head.size());
    if (rest == ghostShownLine + "\n" || rest == ghostHiddenLine + "\n") {
        options.ghostShown = rest == ghostShownLine + "\n";
        return true;
    }
    return false;
}

std::string PlayOptions::toText() const
{
    return std::string(versionLine) + "\n" + (ghostShown ? ghostShownLine : ghostHiddenLine) + "\n";
}

bool PlayOptions::save() const
{
    const std::string text = toText();
    if (!makeFoldersFor(path) ||
        !writeCrashSafe(path, reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) {
        std::printf("Failed to save %s\n", path);
        return false;
    }
    return true;
}
