// The part of a movie file our own code reads before FFmpeg sees it: a
// compressed SWF inflated into memory, and the length from the header of
// what comes out (or of the file as it is). FFmpeg itself is not run.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "platform/swf_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::platform;
    const std::span<const uint8_t> file(data, size);
    std::vector<uint8_t> inflated;
    std::string whyNot;
    if (inflateSwf(file, inflated, whyNot)) {
        // What FFmpeg is handed: an uncompressed header whose length is what
        // was inflated, never more than the header asked for.
        if (inflated.size() < 8 || inflated.size() > kMaxSwfBytes || std::memcmp(inflated.data(), "FWS", 3) != 0)
            __builtin_trap();
        const uint32_t length = uint32_t{inflated[4]} | uint32_t{inflated[5]} << 8 | uint32_t{inflated[6]} << 16 |
                                uint32_t{inflated[7]} << 24;
        if (length != inflated.size()) __builtin_trap();
        const std::span<const uint8_t> head(inflated.data(), std::min(inflated.size(), kSwfHeadBytes));
        if (swfHeaderDurationMs(head) < 0) __builtin_trap();
    } else if (whyNot.empty()) {
        __builtin_trap();
    }
    if (swfHeaderDurationMs(file.first(std::min(size, kSwfHeadBytes))) < 0) __builtin_trap();
    return 0;
}
