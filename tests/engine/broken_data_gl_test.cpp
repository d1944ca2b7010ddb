// Every file the game reads, missing and then garbage of the same size, through its own loader in one running
// engine: it fails alone, or (a level, the records) loads as bytes of the right size, and play goes on.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL_image.h>
#include <algorithm>
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

std::vector<std::uint8_t> garbage(std::size_t size)
{
    std::mt19937 random(20240613u);
    std::vector<std::uint8_t> bytes(size);
    std::generate(bytes.begin(), bytes.end(), [&random] { return static_cast<std::uint8_t>(random()); });
    return bytes;
}

using EveryFileGlTest = EngineTest;

TEST_F(EveryFileGlTest, EachFileMissingOrGarbageFailsAloneAndPlayGoesOn)
{
    if (fs::exists(FEZZLE_DATA_DIR)) fs::copy(FEZZLE_DATA_DIR, "data", fs::copy_options::recursive);
    start();  // the build writes no records; the game writes a fresh file at its first start
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator("data")) {
        if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), "data"));
    }
    for (const fs::path& relative : files) {
        const std::string path = "./data/" + relative.generic_string();
        const std::string extension = relative.extension().string();
        const std::vector<std::uint8_t> kept = readFile(path);
        for (bool missing : {true, false}) {
            SCOPED_TRACE(path + (missing ? " missing" : " garbage"));
            fs::remove(path);
            if (!missing) writeFile(path, garbage(kept.size()));
            logOf([&] {
                if (extension == ".png" && relative != "icon.png") {
                    EXPECT_EQ(loadTexture(path.c_str()), 0u);
                } else if (extension == ".png") {
                    EXPECT_EQ(IMG_Load(path.c_str()), nullptr);
                } else if (extension == ".wav" || extension == ".o") {
                    SoundSystem sound;
                    sound.init();
                    EXPECT_TRUE(sound.audioBroken);
                    sound.playMusic(0);
                    sound.playSound(0);
                    sound.close();
                } else if (extension == ".mp") {
                    World world;
                    EXPECT_EQ(world.level->load(path.c_str()), missing ? -1 : 0);
                    for (int frame = 0; frame < 3; ++frame) {
                        engine.update();
                        world.update(&engine);
                        viewRect = Rect{frame * 2000, 0, 800, 600};
                        world.draw(&engine);
                    }
                } else if (extension == ".dat") {
                    SaveData records;
                    EXPECT_EQ(records.load(), !missing);
                } else {
                    ADD_FAILURE() << "no loader reads " << path;
                }
            });
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
        writeFile(path, kept);
    }
    EXPECT_TRUE(engine.running);
    EXPECT_GE(files.size(), 147u) << "116 images, the icon, 11 sounds, 18 levels and the records";
}

}  // namespace
