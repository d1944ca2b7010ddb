// The measuring programs' shared options: a wrong parse would measure another scene than asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play_choice.hpp"

namespace {

// Parses every argument; false at the first one PlayChoice does not take.
bool parseAll(std::vector<std::string> arguments, PlayChoice& choice) {
    arguments.insert(arguments.begin(), "program");
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    const int argc = static_cast<int>(argv.size());
    for (int i = 1; i < argc; ++i)
        if (!choice.take(argc, argv.data(), i)) return false;
    return true;
}

TEST(PlayChoice, TakesTheSceneAndItsSettings) {
    PlayChoice level;
    ASSERT_TRUE(parseAll({"--hard", "--level", "17", "--data", "elsewhere"}, level));
    EXPECT_EQ(level.scene, PlayChoice::Scene::Level);
    EXPECT_EQ(level.level, 17);
    EXPECT_TRUE(level.hard) << "the mode may come before the level";
    EXPECT_EQ(level.data, "elsewhere");

    PlayChoice menu;
    ASSERT_TRUE(parseAll({"--menu"}, menu));
    EXPECT_EQ(menu.scene, PlayChoice::Scene::Menu);
    EXPECT_EQ(menu.data, "data");
    EXPECT_FALSE(menu.hard);
    PlayChoice two;
    EXPECT_FALSE(parseAll({"--menu", "--level", "3"}, two)) << "one scene at a time";
    EXPECT_FALSE(parseAll({"--level"}, two)) << "a level needs its number";
}

}  // namespace
