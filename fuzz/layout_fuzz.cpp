// The layout stream as `kvarnel --dump-layout` reads it: the record tree,
// the components built from it with every picture, GIF and wave payload
// decoded, and the text dump of both. Bad data must end in a LayoutError;
// any other exception, a crash or an overread is a finding.
#include <cstddef>
#include <cstdint>
#include <span>
#include <sstream>

#include "layout/errors.h"
#include "layout/layout.h"
#include "layout/stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kvarnel::layout;
    try {
        const ObjectRecord root = readStream(std::span(data, size), "fuzz input");
        const Layout built = buildLayout(root, "fuzz input");
        std::ostringstream text;
        dumpLayout(root, built, text);
    } catch (const LayoutError&) {
    }
    return 0;
}
