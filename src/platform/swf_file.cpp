#include "platform/swf_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace kvarnel::platform {

bool isCompressedSwf(std::span<const uint8_t> file) {
    return file.size() >= 8 && std::memcmp(file.data(), "CWS", 3) == 0;
}

bool inflateSwf(std::span<const uint8_t> file, std::vector<uint8_t>& out, std::string& whyNot) {
    out.clear();
    if (!isCompressedSwf(file)) {
        whyNot = "not a compressed SWF file";
        return false;
    }
    if (file.size() > kMaxSwfBytes) {
        whyNot = "compressed movie is larger than 256 MiB";
        return false;
    }
    const std::span<const uint8_t> packed = file.subspan(8);
    const uint32_t declared =
        uint32_t{file[4]} | uint32_t{file[5]} << 8 | uint32_t{file[6]} << 16 | uint32_t{file[7]} << 24;
    const size_t target = std::clamp<size_t>(declared, 8, kMaxSwfBytes);

    out.assign(file.begin(), file.begin() + 8);
    out[0] = 'F';  // now an uncompressed SWF
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        out.clear();
        whyNot = "cannot start zlib";
        return false;
    }
    // zlib takes a non-const pointer but only reads the input.
    z.next_in = const_cast<Bytef*>(packed.data());
    z.avail_in = static_cast<uInt>(packed.size());  // below 256 MiB, fits
    // The buffer grows with what comes out, by what it holds (from 64 KiB up
    // to 1 MiB a step): a header that claims a large length costs nothing
    // until the data delivers it.
    constexpr size_t kFirstStep = size_t{64} << 10;
    constexpr size_t kMaxStep = size_t{1} << 20;
    int status = Z_OK;
    while (status == Z_OK && out.size() < target) {
        const size_t used = out.size();
        out.resize(std::min(target, used + std::clamp(used, kFirstStep, kMaxStep)));
        z.next_out = out.data() + used;
        z.avail_out = static_cast<uInt>(out.size() - used);
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(out.size() - z.avail_out);
    }
    inflateEnd(&z);
    const auto length = static_cast<uint32_t>(out.size());
    for (int i = 0; i < 4; ++i) out[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
    return true;
}

int64_t swfHeaderDurationMs(std::span<const uint8_t> head) {
    if (head.size() < 9 || (std::memcmp(head.data(), "FWS", 3) != 0 && std::memcmp(head.data(), "CWS", 3) != 0)) {
        return 0;
    }
    const size_t rectBytes = (5 + 4 * static_cast<size_t>(head[8] >> 3) + 7) / 8;
    const size_t at = 8 + rectBytes;
    if (at + 4 > head.size()) return 0;
    const int64_t rate256 = head[at] | head[at + 1] << 8;
    const int64_t frames = head[at + 2] | head[at + 3] << 8;
    if (rate256 == 0) return 0;
    return (frames * 1000 * 256 + rate256 / 2) / rate256;
}

}  // namespace kvarnel::platform
