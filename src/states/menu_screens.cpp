#include "states/menu_screens.hpp"

#include <GL/gl.h>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "engine/game_engine.hpp"
#include "entities/timing.hpp"
#include "graphics/font.hpp"
#include "graphics/sprite.hpp"
#include "graphics/tables.hpp"
#include "graphics/video.hpp"
#include "records/format_time.hpp"
#include "states/fps_counter.hpp"
#include "states/menu_state.hpp"
#include "trial/medal_mark.hpp"

namespace {

struct Colour {
    float r;
    float g;
    float b;
    float a = 1.0f;
};

constexpr Colour white{1.0f, 1.0f, 1.0f};
constexpr Colour plain{0.72f, 0.69f, 0.58f};
constexpr Colour dimmed{0.4f, 0.4f, 0.4f};
constexpr Colour helpHeading{0.7f, 0.2f, 0.2f};
constexpr Colour helpBody{0.2f, 0.8f, 0.2f};

void setColour(const Colour& colour)
{
    glColor4f(colour.r, colour.g, colour.b, colour.a);
}

// The clock's swing, once per frame: every pulse, tint and sway of the menu follows it, so the
// animation runs on seamlessly across screen changes.
struct Swing {
    explicit Swing(std::uint32_t ticks) : t(static_cast<float>(ticks) * 0.001f), s(std::sin(t)), u(std::cos(t)) {}
    Colour mainHighlight() const { return {0.3f + 0.6f * s, 0.6f, 0.3f + 0.6f * u}; }
    Colour highlight() const { return {0.3f + 0.6f * s, 0.6f, 0.6f + 0.2f * u}; }
    Colour titleTint() const { return {0.8f + 0.07f * s, 0.75f - 0.05f * u, 0.6f + 0.05f * u}; }
    Colour backTint() const { return {1.0f, 1.0f, s}; }
    Colour wastedTime() const { return {0.4f * (1.0f + s), 0.9f - 0.4f * u, 0.4f * (1.0f + u)}; }
    // The back entries sway and breathe.
    float backAngle() const { return 3.0f * s; }
    float backScale() const { return 0.6f + 0.1f * u; }

    float t;
    float s;
    float u;
};

// Menu pictures by file number: kuvaN.png.
constexpr int backToMenuPicture = 37;
constexpr int backPicture = 33;
constexpr int titlePicture = 38;
constexpr int onPicture = 29;
constexpr int offPicture = 30;
constexpr int easyModePicture = 19;
constexpr int hardModePicture = 21;
constexpr int windowedPicture = 27;
constexpr int fullscreenPicture = 28;
constexpr int settingsTitlePicture = 18;
constexpr int quitTitlePicture = 20;
constexpr int confirmQuitPicture = 22;
constexpr int quitBackPicture = 23;

constexpr std::array<int, MenuState::mainEntryCount> mainPictures = {15, 16, 17, 18, easyModePicture, 20};
constexpr std::array<int, MenuState::settingsEntryCount> settingsPictures = {
    24, 25, 26, windowedPicture, 31, backToMenuPicture};

constexpr Rect titleRect{140, 30, 512, 128};
constexpr Rect listBackRect{355, 350, 512, 64};
constexpr Rect helpBackRect{144, 530, 512, 64};
constexpr int markOffsetX = 340;  // the on/off mark beside a settings entry
constexpr Rect quitEntryRect{144, 275, 512, 64};
constexpr int quitEntryStepY = 90;
constexpr float quitEntrySwayDegrees = 10.0f;

constexpr int rowX = 75;
constexpr int firstRowY = 170;
constexpr int rowStepY = 20;
constexpr int rowGlyphSet = 1;
constexpr float rowScale = 1.3f;
constexpr int otherModeY = 555;
// Under the longest list of 18 rows.
constexpr int watchHintY = 535;
constexpr float otherModeDegrees = 1.0f;
constexpr int noScoresY = 360;
constexpr float noScoresSwayDegrees = 13.0f;
constexpr int wastedX = 200;
constexpr int wastedY = 565;

void drawPicture(const GameEngine& engine, int number, Rect at, float angle = 0.0f, float scale = 1.0f)
{
    drawSprite(at, kuvaPicture(*engine.textures, number), wholeSheet, angle, scale);
}

void drawBackEntry(const GameEngine& engine, int number, Rect at, const Swing& swing)
{
    drawPicture(engine, number, at, swing.backAngle(), swing.backScale());
}

void print(const GameEngine& engine, int x, int y, const char* text, int glyphSet = 0, float angle = 0.0f,
           float scale = 1.0f)
{
    printText(*engine.textures, x, y, text, glyphSet, angle, scale);
}

// A level's medal sits just after its record, on the middle of the row's letters.
constexpr float rowMarkGap = 9.0f;
constexpr float rowMarkRise = 9.0f;
constexpr float rowMarkRadius = 6.0f;
// The medal counts of the records page, in the room right of the rows and above the back entry.
constexpr float countsCoinX = 600.0f;
constexpr int countsTextX = 616;
constexpr int countsFirstY = 190;
constexpr int countsStepY = 26;
constexpr float countsCoinRadius = 8.0f;
constexpr float countsCoinRise = 7.0f;

// "name [time]": the names are padded, so the times line up in a column. Returns where the row ends.
float drawLevelRow(const GameEngine& engine, int level)
{
    char time[timeTextSize];
    formatTime(engine.saveData->getRecord(level), time);
    char row[64];
    std::snprintf(row, sizeof row, "%s [%s]", levelNames[static_cast<std::size_t>(level)], time);
    print(engine, rowX, firstRowY + rowStepY * level, row, rowGlyphSet, 0.0f, rowScale);
    return static_cast<float>(rowX) + textAdvance(row, rowScale);
}

// The medal the level's record earned; none without a record or without medal times.
Medal recordMedal(const GameEngine& engine, int level)
{
    const std::int32_t record = engine.saveData->getRecord(level);
    return record == 0 ? Medal::None : engine.medalTable().medalFor(level, engine.saveData->hardMode == 1, record);
}

void drawMedalCounts(const GameEngine& engine)
{
    std::array<int, 4> counts{};
    bool any = false;
    for (int level = 0; level < SaveData::levelsPerMode; ++level) {
        ++counts[static_cast<std::size_t>(recordMedal(engine, level))];
        any = any || engine.medalTable().find(level, engine.saveData->hardMode == 1) != nullptr;
    }
    if (!any) {
        return;
    }
    int y = countsFirstY;
    for (const Medal medal : {Medal::Gold, Medal::Silver, Medal::Bronze}) {
        drawMedalMark(medal, countsCoinX, static_cast<float>(y) - countsCoinRise, countsCoinRadius);
        const MedalColour colour = medalColour(medal);
        setColour({colour.r, colour.g, colour.b});
        char text[32];
        std::snprintf(text, sizeof text, "%s %d", medalName(medal), counts[static_cast<std::size_t>(medal)]);
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        print(engine, countsTextX, y, text, rowGlyphSet);
        y += countsStepY;
    }
}

void drawMainScreen(const MenuState& menu, const GameEngine& engine, const Swing& swing)
{
    for (int i = 0; i < MenuState::mainEntryCount; ++i) {
        setColour(i == menu.selection ? swing.mainHighlight() : plain);
        int picture = mainPictures[static_cast<std::size_t>(i)];
        if (i == MenuState::modeEntry && engine.saveData->hardMode == 1) {
            picture = hardModePicture;
        }
        drawPicture(engine, picture, menu.mainRects[static_cast<std::size_t>(i)]);
    }
}

void drawLevelScreen(const MenuState& menu, const GameEngine& engine, const Swing& swing)
{
    const int open = engine.saveData->openLevelCount();
    if (menu.selection == open) {
        setColour(swing.highlight());
    }
    drawBackEntry(engine, backToMenuPicture, listBackRect, swing);
    for (int level = 0; level < open; ++level) {
        setColour(level == menu.selection ? swing.highlight() : plain);
        const float rowEnd = drawLevelRow(engine, level);
        drawMedalMark(recordMedal(engine, level), rowEnd + rowMarkGap,
                      static_cast<float>(firstRowY + rowStepY * level) - rowMarkRise, rowMarkRadius);
    }
    if (menu.highlightedHasRun()) {
        setColour(plain);
        print(engine, rowX, watchHintY, "Right: watch your best run of this level", rowGlyphSet);
    }
}

// The help page's pictures: keys and gas meter fade in and out, the hat between them.
void drawHelpPictures(const GameEngine& engine, const Swing& swing)
{
    setColour({1.0f, 1.0f, 1.0f, (1.0f + swing.s * swing.u) * 0.5f});
    drawPicture(engine, 35, Rect{60, 120, 200, 150}, 2.5f * swing.s, 1.0f + 0.1f * swing.u);
    drawPicture(engine, 36, Rect{540, 120, 200, 150}, 3.5f * swing.u, 1.0f + 0.15f * swing.u);
    setColour(white);
    drawPicture(engine, 34, Rect{334, 180, 128, 128}, 2.5f * swing.s, 1.0f + 0.1f * swing.u);
}

struct HelpLine {
    Colour colour;
    int y;
    const char* text;
    float scale;
    float swayDegrees;  // times sin t
};

constexpr int helpTextX = 80;
constexpr std::array<HelpLine, 10> helpLines = {{
    //  colour       y    text                                                           scale  sway
    {helpHeading, 300, "What is this all about?", 1.2f, 0.0f},
    {helpBody, 340, "You are in control of magical flying and farting hat.", 1.0f, 0.0f},
    {helpBody, 360, "Your goal is to reach the TOILET before your inner pressure", 1.0f, 0.0f},
    {helpBody, 380, "gets too high.", 1.0f, 0.0f},
    {helpHeading, 400, "You can control the hat with arrowkeys..", 1.0f, 0.2f},
    {helpHeading, 430, "Gasmeter explanation", 1.2f, 0.0f},
    {helpBody, 450, "Green bar shows how much gas you have left.", 1.0f, 0.0f},
    {helpBody, 470, "Red bar tells how much gas you can handle", 1.0f, 0.0f},
    {helpBody, 490, "If the green bar cathes up to red bar, you will blow up", 1.0f, 0.0f},
    {helpBody, 510, "because of too high pressure!", 1.0f, 0.0f},
}};

void drawHelpScreen(const GameEngine& engine, const Swing& swing)
{
    drawHelpPictures(engine, swing);
    setColour(swing.backTint());
    drawBackEntry(engine, backPicture, helpBackRect, swing);
    for (const HelpLine& line : helpLines) {
        setColour(line.colour);
        print(engine, helpTextX, line.y, line.text, 0, line.swayDegrees * swing.s, line.scale);
    }
}

void drawRecordsScreen(const GameEngine& engine, const Swing& swing)
{
    const SaveData& save = *engine.saveData;
    const int open = save.openLevelCount();
    const bool allDone = open == SaveData::levelsPerMode && save.getRecord(SaveData::levelsPerMode - 1) != 0;
    const int recorded = allDone ? SaveData::levelsPerMode : open - 1;

    setColour(swing.backTint());
    drawBackEntry(engine, backPicture, listBackRect, swing);
    if (recorded > 0) {
        setColour(swing.highlight());
        for (int level = 0; level < recorded; ++level) {
            drawLevelRow(engine, level);
        }
    }
    if (open == SaveData::levelsPerMode) {
        print(engine, rowX, otherModeY, "Try the other game mode!", rowGlyphSet, otherModeDegrees, rowScale);
    }
    if (recorded == 0) {
        print(engine, rowX, noScoresY, "No scores yet for this game mode..", rowGlyphSet, noScoresSwayDegrees * swing.s,
              rowScale);
    }
    drawMedalCounts(engine);
}

// Whether the feature behind a settings entry is on. The three switches are stored as "off",
// the frame-rate display as "on".
bool featureOn(const GameEngine& engine, int entry)
{
    switch (entry) {
    case MenuState::musicEntry: return !engine.soundSystem->musicOff;
    case MenuState::soundEntry: return !engine.soundSystem->soundOff;
    case MenuState::effectsEntry: return !engine.effects->effectsOff;
    default: return engine.saveData->showFps == 1;
    }
}

bool hasMark(int entry)
{
    return entry != MenuState::fullscreenEntry && entry != MenuState::saveEntry;
}

void drawSettingsScreen(const MenuState& menu, const GameEngine& engine, const Swing& swing)
{
    setColour(swing.titleTint());
    drawPicture(engine, settingsTitlePicture, logoRect);
    for (int i = 0; i < MenuState::settingsEntryCount; ++i) {
        const bool selected = i == menu.selection;
        const Rect at = menu.settingsRects[static_cast<std::size_t>(i)];
        if (i == MenuState::saveEntry) {
            setColour(selected ? swing.highlight() : dimmed);
            drawBackEntry(engine, backToMenuPicture, at, swing);
            continue;
        }
        setColour(selected ? swing.highlight() : plain);
        int picture = settingsPictures[static_cast<std::size_t>(i)];
        if (i == MenuState::fullscreenEntry && engine.fullscreen) {
            picture = fullscreenPicture;
        }
        drawPicture(engine, picture, at);
        if (hasMark(i)) {
            drawPicture(engine, featureOn(engine, i) ? onPicture : offPicture,
                        Rect{at.x + markOffsetX, at.y, at.w, at.h});
        }
    }
}

void drawQuitScreen(const MenuState& menu, const GameEngine& engine, const Swing& swing)
{
    setColour(swing.titleTint());
    drawPicture(engine, quitTitlePicture, logoRect);
    const std::array<int, 2> pictures = {confirmQuitPicture, quitBackPicture};
    for (int i = 0; i < 2; ++i) {
        setColour(i == menu.selection ? swing.highlight() : plain);
        Rect at = quitEntryRect;
        at.y += quitEntryStepY * i;
        drawPicture(engine, pictures[static_cast<std::size_t>(i)], at, quitEntrySwayDegrees * swing.s);
    }
    char played[timeTextSize];
    formatTime(static_cast<int>(engine.timer->lastTicks), played);
    char text[96];
    std::snprintf(text, sizeof text, "You wasted %s minutes playing this game", played);
    setColour(swing.wastedTime());
    print(engine, wastedX, wastedY, text);
}

void drawScreen(const MenuState& menu, const GameEngine& engine, const Swing& swing)
{
    switch (menu.screen) {
    case MenuState::mainScreen: drawMainScreen(menu, engine, swing); break;
    case MenuState::levelScreen: drawLevelScreen(menu, engine, swing); break;
    case MenuState::helpScreen: drawHelpScreen(engine, swing); break;
    case MenuState::recordsScreen: drawRecordsScreen(engine, swing); break;
    case MenuState::settingsScreen: drawSettingsScreen(menu, engine, swing); break;
    case MenuState::quitScreen: drawQuitScreen(menu, engine, swing); break;
    default: break;
    }
}

// Two lines that circle the screen and show once each, in their own frame windows.
struct CreditLine {
    const char* text;
    int fadeInFrom;
    int fadeInTo;
    int fadeOutFrom;
    int fadeOutTo;
    float centreX;
    float centreY;
    bool crossed;  // x follows cos t and y sin t, instead of the other way round
    float swayDegrees;
};

constexpr float creditRadius = 250.0f;
constexpr Colour creditGrey{0.6f, 0.6f, 0.6f};
constexpr std::array<CreditLine, 2> creditLines = {{
    //  text                         fade in      fade out     centre      crossed  sway
    {"Congratulations to Rasmok", 3600, 4200, 4800, 5100, 400.0f, 300.0f, false, 50.0f},
    {"\"THEY MADE ME DO THIS\"", 1000, 1300, 3000, 3500, 410.0f, 310.0f, true, 300.0f},
}};

void drawCredits(const GameEngine& engine, const Swing& swing)
{
    // The cosine as a set: 0 almost always, 1 when it is exactly 1, and -1 (no glyphs, so the lines
    // vanish for that frame) when it is exactly -1.
    const int glyphSet = static_cast<int>(swing.u);
    for (std::size_t i = 0; i < creditLines.size(); ++i) {
        const CreditLine& line = creditLines[i];
        Colour colour = creditGrey;
        colour.a = creditLineAlpha(static_cast<int>(i), engine.timer->frameCount);
        setColour(colour);
        const float dx = line.crossed ? swing.u : swing.s;
        const float dy = line.crossed ? swing.s : swing.u;
        print(engine, static_cast<int>(line.centreX + creditRadius * dx),
              static_cast<int>(line.centreY + creditRadius * dy), line.text, glyphSet, line.swayDegrees * swing.s);
    }
}

}  // namespace

float creditLineAlpha(int line, std::uint32_t frame)
{
    const CreditLine& credit = creditLines[static_cast<std::size_t>(line)];
    const int f = static_cast<int>(frame);
    return elapsedFraction(f, static_cast<std::uint32_t>(credit.fadeInFrom), credit.fadeInTo) -
           elapsedFraction(f, static_cast<std::uint32_t>(credit.fadeOutFrom), credit.fadeOutTo);
}

void drawMenu(const MenuState& menu, GameEngine& engine)
{
    glLoadIdentity();
    beginOverlay();
    // The particles lie behind everything else.
    engine.effects->draw(&engine);
    const Swing swing(engine.timer->lastTicks);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    setColour(white);
    drawPicture(engine, titlePicture, titleRect);
    drawScreen(menu, engine, swing);
    endOverlay();

    setColour(plain);
    drawFpsCounter(engine);
    drawCredits(engine, swing);
    setColour(white);
}
