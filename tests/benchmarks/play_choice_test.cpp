// The measuring programs' shared options: a wrong parse would measure another scene than asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play_choice.hpp"

namespace {

// Parses every argument into `choice`; false at the first one it does not take.
bool parse(std::vector<std::string> arguments, PlayChoice& choice)
{
    std::vector<char*> argv = {nullptr};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    for (int i = 1; i < static_cast<int>(argv.size()); ++i)
        if (!choice.take(static_cast<int>(argv.size()), argv.data(), i)) return false;
    return true;
}

TEST(PlayChoice, TakesTheSceneAndItsSettings)
{
    PlayChoice level, menu, two;
    ASSERT_TRUE(parse({"--hard", "--level", "17", "--data", "elsewhere"}, level));
    EXPECT_TRUE(level.scene == PlayChoice::Scene::Level && level.level == 17 && level.hard && level.data == "elsewhere")
        << "the mode may come first";
    EXPECT_TRUE(parse({"--menu"}, menu) && menu.scene == PlayChoice::Scene::Menu && menu.data == "data" && !menu.hard);
    EXPECT_FALSE(parse({"--menu", "--level", "3"}, two)) << "one scene at a time";
    EXPECT_FALSE(parse({"--level"}, two)) << "a level needs its number";
}

}  // namespace
