// The text of an INI file ("data.dat": the settings and the saved game), read
// and edited the way the desktop profile functions do it.
//
// Pure text: parse() takes the file's bytes and text() gives back what is to
// be written; reading and writing the file itself (atomically) is the
// platform layer's job. text() is byte-identical to the parsed input until a
// write changes something, and a write touches only the line it concerns.
//
// Rules:
// - Section and key names compare case-insensitively (ASCII) and are trimmed;
//   values are trimmed. Whitespace is space, tab, CR, LF, VT and FF.
// - A section header is a line "[Name]" (leading whitespace allowed); a key
//   line is "key=value" split at the first '='. Lines starting with ';',
//   blank lines and lines that are neither header nor key line (including
//   lines with an empty key, or before the first header) are kept as they
//   are and never matched.
// - If a section or a key within one section occurs more than once, the first
//   occurrence wins for reading and for writing.
// - Lines end with LF or CRLF; each line keeps its own ending. New lines get
//   the ending of the document's first line (CRLF for a document without any
//   line ending). A line added after an unterminated last line first gives
//   that line an ending.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarnel::core {

// An integer value as the profile functions read it: optional sign, then
// decimal digits, or hexadecimal digits after "$", "0x" or "0X". Nothing else
// may follow or precede (the caller trims). Decimal values must fit int32;
// hexadecimal values up to FFFFFFFF are taken as 32-bit patterns, so "$FFFFFFFF"
// is -1 (and "-$1" is -1 too). nullopt for anything else ("", "12abc", "0x",
// "$", "+", out of range).
std::optional<int32_t> parseIniInteger(std::string_view text);

class IniDocument {
public:
    // An empty document; its first write starts it with "[Section]".
    IniDocument() = default;

    static IniDocument parse(std::string_view text);

    // The whole document, to be written back.
    std::string text() const;

    // The trimmed value of the first `key` in the first `section`, or nullopt
    // when either is missing. An empty value is "" (present).
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;

    // parseIniInteger of the value; `defaultValue` when the key is missing or
    // its value is not entirely a number.
    int32_t readInt(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // An integer; any value other than 0 is true. A missing key or a value
    // that is no number gives `defaultValue`.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Sets `key` in `section`: replaces the value of an existing key where it
    // stands (the key's spelling and the spaces around the value are kept),
    // else appends "key=value" after the last non-blank line of the section,
    // else appends "[section]" and "key=value" at the end of the document.
    // Throws std::invalid_argument for a name or value that cannot be stored
    // on one line: an empty section or key, a section holding ']', a key
    // holding '=' or starting with ';' or '[', or any CR or LF.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int32_t value);
    // Writes "1" or "0".
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    struct Line {
        std::string body;  // without the line ending
        std::string eol;   // "\r\n", "\n", or "" for an unterminated last line
    };

    std::optional<size_t> findSection(std::string_view section) const;
    size_t sectionEnd(size_t header) const;
    std::optional<size_t> findKey(size_t header, std::string_view key) const;

    std::vector<Line> lines_;
    std::string newline_ = "\r\n";
};

}  // namespace kvarnel::core
