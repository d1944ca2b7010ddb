// The least a program can do to show what the game shows at start: the same SDL window with an
// OpenGL context, the same mixer, every image and sound of ./data loaded through the same libraries
// (images uploaded as textures), one frame drawn and shown. The game's start-up is measured against
// this. Like the game, FEZZLE_EXIT_AFTER_FRAMES=1 ends it right after that frame; without it the
// window stays until closed.
#include <GL/gl.h>
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>

namespace {

struct Family {
    const char* name;
    int count;
};
// The numbered images of ./data and the single ones, as the game reads them.
constexpr Family imageFamilies[] = {{"kuva", 40},    {"jee", 5},        {"foreground", 12},
                                    {"parallax", 5}, {"collision", 50}, {"effect", 1}};
constexpr const char* singleImages[] = {"load", "font", "flare_white"};
constexpr const char* effectFiles[] = {"fanfar.wav", "fart4.wav", "aani1.wav", "aani4.wav",
                                       "aani5.wav",  "blo.wav",   "pop.wav",   "toks.wav"};
constexpr const char* musicFiles[] = {"menu.o", "easy.o", "hard.o"};

int images = 0;
int sounds = 0;

void uploadImage(const char* path)
{
    SDL_Surface* surface = IMG_Load(path);
    if (surface == nullptr) {
        std::fprintf(stderr, "missing %s\n", path);
        return;
    }
    const GLenum format = surface->format->BytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), surface->w, surface->h, 0, format, GL_UNSIGNED_BYTE,
                 surface->pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    SDL_FreeSurface(surface);
    ++images;
}

void loadSounds()
{
    char path[128];
    for (const char* file : effectFiles) {
        std::snprintf(path, sizeof path, "./data/sound/%s", file);
        sounds += Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1) != nullptr ? 1 : 0;
    }
    for (const char* file : musicFiles) {
        std::snprintf(path, sizeof path, "./data/sound/%s", file);
        sounds += Mix_LoadMUS(path) != nullptr ? 1 : 0;
    }
}

void loadImages()
{
    char path[128];
    for (const char* single : singleImages) {
        std::snprintf(path, sizeof path, "./data/%s.png", single);
        uploadImage(path);
    }
    for (const Family& family : imageFamilies) {
        for (int n = 1; n <= family.count; ++n) {
            std::snprintf(path, sizeof path, "./data/%s%d.png", family.name, n);
            uploadImage(path);
        }
    }
}

void waitForClose()
{
    SDL_Event event;
    while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
    }
}

}  // namespace

int main(int /*argc*/, char* /*argv*/[])
{
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* icon = IMG_Load("./data/icon.png");
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    if (SDL_SetVideoMode(800, 600, SDL_GetVideoInfo()->vfmt->BitsPerPixel, SDL_OPENGL) == nullptr) {
        std::fprintf(stderr, "SDL_SetVideoMode: %s\n", SDL_GetError());
        return 1;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) == -1) {
        std::fprintf(stderr, "Mix_OpenAudio: %s\n", SDL_GetError());
    }
    Mix_AllocateChannels(16);
    loadSounds();
    loadImages();

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    std::fprintf(stderr, "floor: %d images, %d sounds\n", images, sounds);

    const char* exitAfter = std::getenv("FEZZLE_EXIT_AFTER_FRAMES");
    if (exitAfter == nullptr || std::atoi(exitAfter) <= 0) {
        waitForClose();
    }
    std::_Exit(0);
}
