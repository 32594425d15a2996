#include "core/ini_document.h"

#include <stdexcept>

namespace kvarnel::core {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The section name of a header line, or nullopt when the line is none.
std::optional<std::string_view> headerName(std::string_view body) {
    std::string_view t = trim(body);
    if (t.empty() || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;    // trimmed
    std::string_view value;  // trimmed
    size_t valueBegin;       // offset of the trimmed value in the body
    size_t valueEnd;
};

// The key and value of a key line, or nullopt for a blank, comment, header or
// garbage line.
std::optional<KeyLine> keyLine(std::string_view body) {
    std::string_view t = trim(body);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    size_t eq = body.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view key = trim(body.substr(0, eq));
    if (key.empty()) return std::nullopt;
    size_t begin = eq + 1;
    while (begin < body.size() && isSpace(body[begin])) ++begin;
    size_t end = body.size();
    while (end > begin && isSpace(body[end - 1])) --end;
    return KeyLine{key, body.substr(begin, end - begin), begin, end};
}

bool hasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::optional<int32_t> parseIniInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;

    const uint64_t limit = hex ? 0xFFFFFFFFu : 2147483648u;  // |INT32_MIN| for decimal
    const uint64_t base = hex ? 16 : 10;
    uint64_t value = 0;
    for (char c : text) {
        int digit = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * base + static_cast<uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }

    if (hex) {
        // A 32-bit pattern, as a cast of the unsigned value would give it.
        uint32_t bits = static_cast<uint32_t>(value);
        if (negative) bits = 0u - bits;
        return static_cast<int32_t>(bits);
    }
    if (negative) return static_cast<int32_t>(-static_cast<int64_t>(value));
    if (value > 2147483647u) return std::nullopt;
    return static_cast<int32_t>(value);
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    size_t firstLf = text.find('\n');
    if (firstLf != std::string_view::npos) {
        doc.newline_ = firstLf > 0 && text[firstLf - 1] == '\r' ? "\r\n" : "\n";
    }
    size_t pos = 0;
    while (pos < text.size()) {
        size_t lf = text.find('\n', pos);
        if (lf == std::string_view::npos) {
            doc.lines_.push_back({std::string(text.substr(pos)), ""});
            break;
        }
        size_t bodyEnd = lf > pos && text[lf - 1] == '\r' ? lf - 1 : lf;
        doc.lines_.push_back({std::string(text.substr(pos, bodyEnd - pos)),
                              std::string(text.substr(bodyEnd, lf + 1 - bodyEnd))});
        pos = lf + 1;
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.body;
        out += line.eol;
    }
    return out;
}

std::optional<size_t> IniDocument::findSection(std::string_view section) const {
    section = trim(section);
    for (size_t i = 0; i < lines_.size(); ++i) {
        auto name = headerName(lines_[i].body);
        if (name && equalsIgnoreCase(*name, section)) return i;
    }
    return std::nullopt;
}

size_t IniDocument::sectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && !headerName(lines_[i].body)) ++i;
    return i;
}

std::optional<size_t> IniDocument::findKey(size_t header, std::string_view key) const {
    key = trim(key);
    size_t end = sectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        auto kl = keyLine(lines_[i].body);
        if (kl && equalsIgnoreCase(kl->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::readString(std::string_view section,
                                                   std::string_view key) const {
    auto header = findSection(section);
    if (!header) return std::nullopt;
    auto line = findKey(*header, key);
    if (!line) return std::nullopt;
    return std::string(keyLine(lines_[*line].body)->value);
}

int32_t IniDocument::readInt(std::string_view section, std::string_view key,
                             int32_t defaultValue) const {
    auto value = readString(section, key);
    if (!value) return defaultValue;
    return parseIniInteger(*value).value_or(defaultValue);
}

bool IniDocument::readBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

void IniDocument::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    std::string_view s = trim(section);
    std::string_view k = trim(key);
    if (s.empty() || s.find(']') != std::string_view::npos || hasLineBreak(section)) {
        throw std::invalid_argument("INI section name cannot be stored: \"" +
                                    std::string(section) + "\"");
    }
    if (k.empty() || k.find('=') != std::string_view::npos || k.front() == ';' ||
        k.front() == '[' || hasLineBreak(key)) {
        throw std::invalid_argument("INI key cannot be stored: \"" + std::string(key) + "\"");
    }
    if (hasLineBreak(value)) {
        throw std::invalid_argument("INI value of key \"" + std::string(key) +
                                    "\" holds a line break");
    }

    auto header = findSection(section);
    if (!header) {
        if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = newline_;
        lines_.push_back({"[" + std::string(section) + "]", newline_});
        lines_.push_back({std::string(key) + "=" + std::string(value), newline_});
        return;
    }

    if (auto line = findKey(*header, key)) {
        std::string& body = lines_[*line].body;
        KeyLine kl = *keyLine(body);
        // Keep whatever stands before and after the old value.
        size_t tail = kl.value.empty() ? body.size() : kl.valueEnd;
        body = body.substr(0, kl.valueBegin) + std::string(value) + body.substr(tail);
        return;
    }

    size_t last = *header;  // last non-blank line of the section
    const size_t end = sectionEnd(*header);
    for (size_t i = *header + 1; i < end; ++i) {
        if (!trim(lines_[i].body).empty()) last = i;
    }
    if (lines_[last].eol.empty()) lines_[last].eol = newline_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                  Line{std::string(key) + "=" + std::string(value), newline_});
}

void IniDocument::writeInt(std::string_view section, std::string_view key, int32_t value) {
    writeString(section, key, std::to_string(value));
}

void IniDocument::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

}  // namespace kvarnel::core
