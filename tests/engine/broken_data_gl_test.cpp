// The game's data with one file of a family missing or replaced by garbage of the same size: the
// engine starts, logs the family's failure line where there is one, and a level still loads, runs
// and draws, with sound and music asked for.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL_image.h>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "audio/sound_system.hpp"
#include "engine/game_engine.hpp"
#include "graphics/sprite.hpp"
#include "graphics/texture_set.hpp"
#include "graphics/video.hpp"
#include "records/save_data.hpp"
#include "support/engine_test.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

constexpr const char* mapFile = "maps/map0.mp";
constexpr int framesPlayed = 8;

enum class Damage { Missing, Garbage };

struct BrokenFile {
    const char* file;             // below ./data
    std::uintmax_t sizeIfAbsent;  // the garbage size when the build made no such file
    const char* failureLine;      // what the log says when the file is missing
};

// One file of each family the game reads.
const std::vector<BrokenFile> brokenFiles{
    {"kuva7.png", 4096, "  Failed to load ./data/kuva7.png\n"},
    {"jee1.png", 4096, "  Failed to load ./data/jee1.png\n"},
    {"icon.png", 4096, "  Failed to load icon.png\n"},
    {"sound/pop.wav", 4096, "  Mix_LoadWAV: "},
    {"sound/menu.o", 4096, " Mix_LoadMUS: "},
    {mapFile, 46880, "Failed to load ./data/maps/map0.mp\n"},
    {"dat/game.dat", 152, "Failed to load ./data/dat/game.dat\n"},
};

struct Case {
    BrokenFile broken;
    Damage damage;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.broken.file << (c.damage == Damage::Missing ? " missing" : " garbage");
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (const BrokenFile& broken : brokenFiles) {
        cases.push_back({broken, Damage::Missing});
        cases.push_back({broken, Damage::Garbage});
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    std::string name = info.param.broken.file;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name + (info.param.damage == Damage::Missing ? "_missing" : "_garbage");
}

std::vector<std::uint8_t> garbage(std::uintmax_t size)
{
    std::mt19937 random(20240613u);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

// Every file of the built data, below ./data.
std::vector<fs::path> builtFiles()
{
    std::vector<fs::path> files;
    const fs::path built = FEZZLE_DATA_DIR;
    if (fs::exists(built)) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(built)) {
            if (entry.is_regular_file()) {
                files.push_back(fs::relative(entry.path(), built));
            }
        }
    }
    return files;
}

void linkBuilt(const fs::path& relative)
{
    fs::create_directories(fs::path("data") / relative.parent_path());
    fs::create_symlink(fs::path(FEZZLE_DATA_DIR) / relative, fs::path("data") / relative);
}

// Takes the linked file away, and for garbage puts random bytes of its size in its place.
void damage(const fs::path& relative, Damage how, std::uintmax_t sizeIfAbsent)
{
    fs::remove(fs::path("data") / relative);
    if (how == Damage::Garbage) {
        const fs::path original = fs::path(FEZZLE_DATA_DIR) / relative;
        const std::uintmax_t size = fs::exists(original) ? fs::file_size(original) : sizeIfAbsent;
        writeFile((fs::path("data") / relative).string(), garbage(size));
    }
}

// The built data, linked file by file into ./data, with the one file broken.
void prepareData(const Case& c)
{
    for (const fs::path& relative : builtFiles()) {
        linkBuilt(relative);
    }
    damage(c.broken.file, c.damage, c.broken.sizeIfAbsent);
}

class BrokenDataGlTest : public EngineTest, public ::testing::WithParamInterface<Case> {
protected:
    // Frames of the first level with the view walking across it, as play would draw them.
    std::string playFrames()
    {
        ::testing::internal::CaptureStdout();
        World world;
        world.level->load("./data/maps/map0.mp");
        engine.soundSystem->playMusic(0);
        for (int frame = 0; frame < framesPlayed; ++frame) {
            engine.update();
            world.update(&engine);
            engine.soundSystem->playSound(frame % 8);
            clearFrame();
            viewRect = Rect{frame * 373, 100, 800, 600};
            beginOverlay();
            world.draw(&engine);
            endOverlay();
            SDL_GL_SwapBuffers();
        }
        return ::testing::internal::GetCapturedStdout();
    }
};

TEST_P(BrokenDataGlTest, TheGameStartsLogsTheFailureAndPlaysOn)
{
    const Case& c = GetParam();
    prepareData(c);
    start();
    const std::string played = playFrames();
    const std::string whole = log + played;

    const bool countsAsLoaded = c.damage == Damage::Garbage &&
                                (std::string(c.broken.file) == mapFile || std::string(c.broken.file) == "dat/game.dat");
    if (countsAsLoaded) {
        // Any bytes of the right size are a level or a record.
        EXPECT_EQ(whole.find(c.broken.failureLine), std::string::npos) << whole;
    } else {
        EXPECT_NE(whole.find(c.broken.failureLine), std::string::npos) << whole;
    }
    EXPECT_TRUE(engine.running);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // However the records came in, a level is open only when every one before it has a record.
    for (std::uint8_t hardMode : {0, 1}) {
        engine.saveData->hardMode = hardMode;
        const int open = engine.saveData->openLevelCount();
        ASSERT_GE(open, 1);
        ASSERT_LE(open, SaveData::levelsPerMode);
        for (int level = 0; level + 1 < open; ++level) {
            EXPECT_NE(engine.saveData->getRecord(level), 0) << "level " << level + 1 << " opened without a record";
        }
    }
    EXPECT_EQ(readFile("data/dat/game.dat").size(), SaveData::fileSize) << "the save file is there and whole";
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, BrokenDataGlTest, ::testing::ValuesIn(allCases()), caseName);

// Every file the game reads, missing and then garbage, each through its own loader in one running
// engine: it fails alone, or (a level, the records) loads as bytes of the right size, and play goes on.
class EveryFileGlTest : public EngineTest {
protected:
    void expectLoaderCopes(const fs::path& relative, Damage how)
    {
        const std::string path = "./data/" + relative.generic_string();
        const std::string what = path + (how == Damage::Missing ? " missing" : " garbage");
        const std::string extension = relative.extension().string();
        ::testing::internal::CaptureStdout();
        if (extension == ".png" && relative != "icon.png") {
            EXPECT_EQ(loadTexture(path.c_str()), 0u) << what;
        } else if (extension == ".png") {
            EXPECT_EQ(IMG_Load(path.c_str()), nullptr) << what;
        } else if (extension == ".wav" || extension == ".o") {
            SoundSystem sound;
            sound.init();
            EXPECT_TRUE(sound.audioBroken) << what;
            sound.playMusic(0);
            sound.playSound(0);
            sound.close();
        } else if (extension == ".mp") {
            World world;
            EXPECT_EQ(world.level->load(path.c_str()), how == Damage::Missing ? -1 : 0) << what;
            for (int frame = 0; frame < 3; ++frame) {
                engine.update();
                world.update(&engine);
                viewRect = Rect{frame * 2000, 0, 800, 600};
                world.draw(&engine);
            }
        } else if (extension == ".dat") {
            SaveData records;
            EXPECT_EQ(records.load(), how == Damage::Garbage) << what;
        } else {
            ADD_FAILURE() << "no loader reads " << path;
        }
        ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << what;
    }
};

TEST_F(EveryFileGlTest, EachFileMissingOrGarbageFailsAloneAndPlayGoesOn)
{
    std::vector<fs::path> files = builtFiles();
    for (const fs::path& relative : files) {
        linkBuilt(relative);
    }
    start();
    // The build writes no records; the game writes a fresh file at its first start.
    files.push_back("dat/game.dat");
    for (const fs::path& relative : files) {
        for (Damage how : {Damage::Missing, Damage::Garbage}) {
            const std::vector<std::uint8_t> kept = readFile((fs::path("data") / relative).string());
            damage(relative, how, SaveData::fileSize);
            expectLoaderCopes(relative, how);
            fs::remove(fs::path("data") / relative);
            if (relative.extension() == ".dat") {
                writeFile((fs::path("data") / relative).string(), kept);
            } else {
                linkBuilt(relative);
            }
        }
    }
    EXPECT_TRUE(engine.running);
    EXPECT_GE(files.size(), 147u) << "116 images, the icon, 11 sounds, 18 levels and the records";
}

}  // namespace
