// Any bytes as a replay file: refused with one line of plain text and an
// empty record, or read into a record that writes and reads back the same.
// Each input is tried as it is and with its closing check sum made right, so
// that the fuzzer reaches the fields behind it.
#include "replay/ReplayFile.h"

#include <cstdlib>
#include <string>

namespace {

void check(const std::string& bytes)
{
    const DecodedReplay read = decodeReplay(bytes);
    if (!read.problem.empty()) {
        for (char c : read.problem)
            if (c < 0x20 || c >= 0x7F)
                std::abort();
        if (read.problem.size() > 240 || !read.record.runs.empty() || read.record.finalStep != 0)
            std::abort();
        return;
    }
    if (!replayRecordProblem(read.record).empty())
        std::abort();
    const DecodedReplay again = decodeReplay(encodeReplay(read.record));
    if (!again.problem.empty() || !(again.record == read.record))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    check(bytes);
    resealReplay(bytes);
    check(bytes);
    return 0;
}
