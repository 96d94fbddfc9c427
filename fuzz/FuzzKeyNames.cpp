// Any bytes as a name file: a bounded list of names that can be shown.
#include "settings/KeyNames.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const NameList list = parseNameList(std::string_view(reinterpret_cast<const char*>(data), size));
    if (list.names.size() > static_cast<std::size_t>(maxNames))
        std::abort();
    for (const std::string& name : list.names)
        if (name.size() > maxNameBytes)
            std::abort();
    return 0;
}
