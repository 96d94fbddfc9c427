#include <cstdio>

// Placeholder entry point until the generator is written.
int main(int argc, char** )
{
    if (argc < 3) {
        std::printf("usage: assetgen DATA_DIR RUN_DIR\n");
        return 2;
    }
    return 0;
}
