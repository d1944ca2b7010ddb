// Every file the game reads, missing and then garbage of the same size, each through its own loader
// in one running engine: it fails alone, or (a level, the records) loads as bytes of the right size,
// and play goes on. The real game with one file of each family broken is run end to end.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL_image.h>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "audio/sound_system.hpp"
#include "graphics/sprite.hpp"
#include "graphics/texture_set.hpp"
#include "records/save_data.hpp"
#include "support/engine_test.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

enum class Damage { Missing, Garbage };

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

class EveryFileGlTest : public EngineTest {
protected:
    void expectLoaderCopes(const fs::path& relative, Damage how)
    {
        const std::string path = "./data/" + relative.generic_string();
        const std::string what = path + (how == Damage::Missing ? " missing" : " garbage");
        const std::string extension = relative.extension().string();
        logOf([&] {
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
        });
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
