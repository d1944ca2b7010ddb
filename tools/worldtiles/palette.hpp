// The studio palette and the shade and highlight tones the world art adds to it.
#pragma once

namespace palette {

// House colours.
constexpr const char* outline = "#2b1d2e";
constexpr const char* cream = "#fff4dc";
constexpr const char* lilac = "#c9b6ff";
constexpr const char* violet = "#7b5cd6";
constexpr const char* gold = "#ffc23d";
constexpr const char* orange = "#ff8a3d";
constexpr const char* tomato = "#ff5a4e";
constexpr const char* leaf = "#6fd36b";
constexpr const char* teal = "#3cc6c0";
constexpr const char* sky = "#8fd8ff";
constexpr const char* stone = "#a89f9b";
constexpr const char* earth = "#8a5a3c";
constexpr const char* white = "#ffffff";

// One shadow and one highlight per colour.
constexpr const char* earthShadow = "#63402b";
constexpr const char* earthHighlight = "#a8744f";
constexpr const char* stoneShadow = "#7d7470";
constexpr const char* stoneHighlight = "#d6d0cc";
constexpr const char* leafShadow = "#3f9a4a";
constexpr const char* leafHighlight = "#b6f29d";
constexpr const char* creamShadow = "#e3d2b8";
constexpr const char* grout = "#a99cc0";
constexpr const char* tealShadow = "#268e8a";
constexpr const char* tealHighlight = "#9ff0e9";
constexpr const char* lilacShadow = "#a08ae6";
constexpr const char* lilacHighlight = "#ece4ff";
constexpr const char* goldShadow = "#c98a1e";
constexpr const char* goldHighlight = "#fff0a8";
constexpr const char* violetShadow = "#56399f";
constexpr const char* violetDeep = "#3e2878";
constexpr const char* violetHighlight = "#9f86ee";
constexpr const char* brick = "#b5523b";
constexpr const char* brickShadow = "#8c3b2b";
constexpr const char* brickHighlight = "#d0735a";
constexpr const char* mortar = "#5a3a3a";
constexpr const char* rust = "#c8642d";
constexpr const char* rustShadow = "#8a3e22";
constexpr const char* rustHighlight = "#ff9a5a";
constexpr const char* tomatoShadow = "#c23b35";
constexpr const char* tomatoHighlight = "#ff9a8c";
constexpr const char* orangeShadow = "#c8632a";
constexpr const char* slate = "#5c4d72";
constexpr const char* slateShadow = "#3f3352";
constexpr const char* sand = "#e0b27a";
constexpr const char* sandShadow = "#b48452";
constexpr const char* skyShadow = "#5fb4e6";
constexpr const char* skyHighlight = "#d9f3ff";

}  // namespace palette
