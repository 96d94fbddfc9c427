// Any bytes as Binds.txt: both players always get 5 known buttons and 7 known keys.
#include "fighters/BindsFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    static const KeyNames names{{"A", "B"}, {"X"}};
    const BindsRecord record = parseBindings(std::string_view(reinterpret_cast<const char*>(data), size), names);
    for (const BindingTable& table : record.players) {
        if (table.buttons.size() != buttonActionCount || table.keys.size() != keyActionCount)
            std::abort();
        for (int button : table.buttons)
            if (button < 0 || button >= 32)
                std::abort();
        for (int key : table.keys)
            if (key < 0 || key >= 101)
                std::abort();
    }
    return 0;
}
