#include "AssetWriter.h"
#include "Generators.h"

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

struct Group {
    const char* name;
    void (*generate)(AssetContext&);
};

const Group groups[] = {{"text", generateTextData},
                        {"world", generateWorld},
                        {"ui", generateUi},
                        {"characters", generateCharacters},
                        {"audio", generateAudio}};

bool isGroup(const char* name)
{
    for (const Group& group : groups)
        if (std::strcmp(group.name, name) == 0)
            return true;
    return false;
}

// Every group when none is named on the command line.
bool wanted(const Group& group, int argc, char** argv)
{
    if (argc == 3)
        return true;
    for (int i = 3; i < argc; ++i)
        if (std::strcmp(group.name, argv[i]) == 0)
            return true;
    return false;
}

}  // namespace

// assetgen DATA_DIR RUN_DIR [GROUP...]: fills RUN_DIR with the game's complete
// asset tree, or only with the named groups (text, world, ui, characters, audio).
int main(int argc, char** argv)
{
    bool namesKnown = argc >= 3;
    for (int i = 3; i < argc; ++i)
        namesKnown = namesKnown && isGroup(argv[i]);
    if (!namesKnown) {
        std::printf("usage: assetgen DATA_DIR RUN_DIR [text|world|ui|characters|audio ...]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    AssetContext ctx;
    ctx.dataDir = argv[1];
    ctx.runDir = argv[2];
    for (const Group& group : groups)
        if (wanted(group, argc, argv))
            group.generate(ctx);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %d written, %d unchanged, %d seeded, %d failed in %.1f s\n", ctx.written, ctx.unchanged,
                ctx.seeded, ctx.failures, seconds);
    return ctx.failures == 0 ? 0 : 1;
}
