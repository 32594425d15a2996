// The INI text of "data.dat": parsed, read the way the game reads it, then
// edited. The text must come back byte for byte until a write, a write must
// read back, and no input may crash the reader.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using kvarnel::core::IniDocument;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::parse(input);
    if (doc.text() != input) __builtin_trap();

    // Section and key names taken from the input itself, so that reads find
    // what the fuzzer wrote: the first line's text up to '=' and after it.
    const size_t eol = input.find('\n');
    const std::string_view first = input.substr(0, eol);
    const size_t eq = first.find('=');
    const std::string_view section = eq == std::string_view::npos ? first : first.substr(0, eq);
    const std::string_view key = eq == std::string_view::npos ? std::string_view("Key") : first.substr(eq + 1);
    for (std::string_view s : {section, std::string_view("Other")}) {
        for (std::string_view k : {key, std::string_view("SpeechSpeed")}) {
            (void)doc.readString(s, k);
            (void)doc.readInt(s, k, 7);
            (void)doc.readBool(s, k, true);
        }
    }
    (void)kvarnel::core::parseIniInteger(first);

    try {
        doc.writeString(section, key, "12");
        if (doc.readInt(section, key, 0) != 12) __builtin_trap();
        const IniDocument again = IniDocument::parse(doc.text());
        if (again.readInt(section, key, 0) != 12) __builtin_trap();
    } catch (const std::invalid_argument&) {
        // A name that cannot stand on one line; the document is unchanged.
        if (doc.text() != input) __builtin_trap();
    }
    return 0;
}
