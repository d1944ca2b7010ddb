// synth: renders the game's sound effects (recipe -> WAV) and music (score -> Ogg Vorbis), and measures them.
//   synth effect <recipe.txt> <out.wav>
//   synth music <score.txt> <out.o>
//   synth stats <file.wav|file.o>...
#include <cstdio>
#include <cstring>
#include <string>

#include "audio_buffer.hpp"
#include "effect_recipe.hpp"
#include "mastering.hpp"
#include "music_renderer.hpp"
#include "ogg_file.hpp"
#include "score.hpp"
#include "source_error.hpp"
#include "wav_file.hpp"

namespace {

constexpr float vorbisQuality = 0.5f;
constexpr double encodeCeilingDb = -1.6;   // the codec's ripple adds a few tenths of a dB to the peaks
constexpr double decodedCeilingDb = -1.1;  // what the game must never exceed, with a little to spare
constexpr int encodeAttempts = 4;

std::uint32_t serialFor(const std::string& path)
{
    std::uint32_t hash = 2166136261u;  // FNV-1a: a stable serial per file name
    for (unsigned char c : path.substr(path.find_last_of('/') + 1)) hash = (hash ^ c) * 16777619u;
    return hash;
}

bool isWav(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".wav") == 0;
}

void printStats(const std::string& path, const synth::AudioBuffer& b)
{
    const std::size_t last = b.samples.size() - static_cast<std::size_t>(b.channels);
    const synth::AudioBuffer weighted = synth::weightedForLoudness(b);
    std::printf("%s: %d ch, %.3f s, peak %.2f dBFS, rms %.2f dBFS, loudness %.2f dB, loudest %.0f ms %.2f dB, "
                "first %.4f last %.4f\n",
                path.c_str(), b.channels, b.seconds(), synth::gainToDecibels(b.peak()), synth::gainToDecibels(b.rms()),
                synth::gainToDecibels(weighted.rms()), synth::loudnessWindowSeconds * 1000,
                synth::gainToDecibels(weighted.loudestRms(synth::loudnessWindowSeconds)),
                static_cast<double>(b.samples.front()), static_cast<double>(b.samples[last]));
}

int renderEffect(const std::string& recipePath, const std::string& outPath)
{
    const synth::AudioBuffer sound = synth::EffectRecipe::parse(synth::SourceText::fromFile(recipePath)).render();
    if (sound.peak() <= 0.0) {
        // A silent file would load in the game and simply never be heard: refuse it here.
        std::fprintf(stderr, "synth: %s renders only silence\n", recipePath.c_str());
        return 1;
    }
    if (!synth::writeWav(outPath, sound)) {
        std::fprintf(stderr, "synth: cannot write %s\n", outPath.c_str());
        return 1;
    }
    printStats(outPath, sound);
    return 0;
}

int renderMusic(const std::string& scorePath, const std::string& outPath)
{
    const synth::Score score = synth::Score::parse(synth::SourceText::fromFile(scorePath));
    synth::AudioBuffer loop = synth::MusicRenderer(score).renderLoop();
    if (loop.peak() <= 0.0) {
        std::fprintf(stderr, "synth: %s renders only silence\n", scorePath.c_str());
        return 1;
    }
    loop.scale(synth::loudnessGain(loop, score.loudnessDb, encodeCeilingDb));
    for (int attempt = 0; attempt < encodeAttempts; ++attempt) {
        if (!synth::writeOgg(outPath, loop, vorbisQuality, serialFor(outPath))) {
            std::fprintf(stderr, "synth: cannot write %s\n", outPath.c_str());
            return 1;
        }
        const synth::AudioBuffer decoded = synth::readOgg(outPath);
        const double over = synth::gainToDecibels(decoded.peak()) - decodedCeilingDb;
        if (over <= 0.0) {
            printStats(outPath, decoded);
            return 0;
        }
        loop.scale(synth::decibelsToGain(-over - 0.1));
    }
    std::fprintf(stderr, "synth: %s stays above %.1f dBFS after encoding\n", outPath.c_str(), decodedCeilingDb);
    return 1;
}

int printFileStats(int count, char** paths)
{
    int status = 0;
    for (int i = 0; i < count; ++i) {
        const std::string path = paths[i];
        const synth::AudioBuffer b = isWav(path) ? synth::readWav(path) : synth::readOgg(path);
        if (b.frames() == 0) {
            std::fprintf(stderr, "synth: %s is not a sound file\n", path.c_str());
            status = 1;
            continue;
        }
        printStats(path, b);
    }
    return status;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: synth effect <recipe> <out.wav> | synth music <score> <out> | synth stats <file>...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return usage();
    const std::string command = argv[1];
    try {
        if (command == "effect" && argc == 4) return renderEffect(argv[2], argv[3]);
        if (command == "music" && argc == 4) return renderMusic(argv[2], argv[3]);
        if (command == "stats") return printFileStats(argc - 2, argv + 2);
    } catch (const synth::SourceError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return usage();
}
