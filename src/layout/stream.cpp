// Reader and writer of the "TPF0" layout stream.
//
// [SECTION] Cursor: bounds-checked little-endian reading
// [SECTION] Reader
// [SECTION] Value constructors
// [SECTION] Writer
// [SECTION] Tree comparison
#include "layout/stream.h"

#include <cstring>
#include <limits>
#include <sstream>

#include "layout/cp1250.h"
#include "layout/errors.h"

namespace kvarnel::layout {

const char* tagName(ValueTag tag) {
    switch (tag) {
        case ValueTag::Int8:
            return "Int8";
        case ValueTag::Int16:
            return "Int16";
        case ValueTag::Int32:
            return "Int32";
        case ValueTag::String:
            return "String";
        case ValueTag::Ident:
            return "Ident";
        case ValueTag::False:
            return "False";
        case ValueTag::True:
            return "True";
        case ValueTag::Binary:
            return "Binary";
        case ValueTag::Set:
            return "Set";
        case ValueTag::Collection:
            return "Collection";
        case ValueTag::Utf8String:
            return "UTF8String";
    }
    return "?";
}

const Property* ObjectRecord::find(std::string_view propertyName) const {
    for (const auto& p : properties) {
        if (p.name == propertyName) return &p;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// [SECTION] Cursor
// ---------------------------------------------------------------------------
namespace {

// Deeper nesting than this is not a layout but an attack on the stack: the
// real stream is three objects deep and collections hold no collections.
constexpr int kMaxDepth = 64;

class Reader {
public:
    Reader(const Bytes& data, std::string_view source) : whole_(data), data_(data.span()), source_(source) {}

    ObjectRecord readAll() {
        if (data_.size() < 4 || std::memcmp(data_.data(), "TPF0", 4) != 0) {
            fail(0, "not a layout stream: the signature \"TPF0\" is missing");
        }
        pos_ = 4;
        ObjectRecord root = readObject(0);
        if (pos_ != data_.size()) {
            fail(pos_, std::to_string(data_.size() - pos_) + " unexpected bytes after the root object");
        }
        return root;
    }

private:
    [[noreturn]] void fail(size_t offset, const std::string& what) const {
        std::ostringstream msg;
        msg << source_ << ": offset " << offset;
        if (!object_.empty()) msg << ", object '" << object_ << "'";
        if (!property_.empty()) msg << ", property '" << property_ << "'";
        msg << ": " << what;
        throw LayoutError(msg.str());
    }

    void need(size_t n, const char* what) const {
        if (data_.size() - pos_ < n) {
            fail(pos_, std::string("truncated ") + what + ": needs " + std::to_string(n) + " bytes, " +
                           std::to_string(data_.size() - pos_) + " left");
        }
    }

    uint8_t u8(const char* what) {
        need(1, what);
        return data_[pos_++];
    }
    uint32_t u32(const char* what) {
        need(4, what);
        uint32_t v = data_[pos_] | (data_[pos_ + 1] << 8) | (data_[pos_ + 2] << 16) |
                     (static_cast<uint32_t>(data_[pos_ + 3]) << 24);
        pos_ += 4;
        return v;
    }
    std::string bytes(size_t n, const char* what) {
        need(n, what);
        std::string s(reinterpret_cast<const char*>(data_.data() + pos_), n);
        pos_ += n;
        return s;
    }
    std::string shortString(const char* what) {
        const size_t n = u8(what);
        return bytes(n, what);
    }
    // A name (class, object, property or set member): printable ASCII only,
    // so that a corrupted length shows up here and not three steps later.
    std::string name(const char* what) {
        const size_t at = pos_;
        std::string s = shortString(what);
        for (char c : s) {
            const auto b = static_cast<uint8_t>(c);
            if (b < 0x20 || b > 0x7E) fail(at, std::string("malformed ") + what + " (non-printable byte)");
        }
        return s;
    }

    ObjectRecord readObject(int depth) {
        if (depth > kMaxDepth) fail(pos_, "objects nested too deeply");
        ObjectRecord rec;
        rec.offset = pos_;
        need(1, "object record");
        if ((data_[pos_] & 0xF0) == 0xF0) {
            rec.filerFlags = data_[pos_++] & 0x0F;
            if (rec.filerFlags & 0x02) {  // the record carries its position among siblings
                Value v = readValue(depth);
                if (!v.isInteger()) fail(v.offset, "child position is not an integer");
                rec.childPosition = v.integer;
            }
        }
        const size_t classAt = pos_;
        rec.className = name("class name");
        if (rec.className.empty()) fail(classAt, "empty class name");
        rec.name = name("object name");
        const std::string savedObject = object_;
        object_ = rec.name.empty() ? "<unnamed " + rec.className + ">" : rec.name;
        readProperties(rec.properties, depth);
        for (;;) {
            need(1, "child list");
            if (data_[pos_] == 0) {
                ++pos_;
                break;
            }
            rec.children.push_back(readObject(depth + 1));
        }
        object_ = savedObject;
        return rec;
    }

    void readProperties(std::vector<Property>& out, int depth) {
        for (;;) {
            need(1, "property list");
            if (data_[pos_] == 0) {
                ++pos_;
                return;
            }
            Property p;
            p.offset = pos_;
            property_.clear();
            p.name = name("property name");
            if (p.name.empty()) fail(p.offset, "empty property name");
            property_ = p.name;
            p.value = readValue(depth);
            property_.clear();
            out.push_back(std::move(p));
        }
    }

    Value readValue(int depth) {
        Value v;
        v.offset = pos_;
        const uint8_t tag = u8("value tag");
        switch (tag) {
            case 2: {
                v.tag = ValueTag::Int8;
                v.integer = static_cast<int8_t>(u8("Int8"));
                break;
            }
            case 3: {
                v.tag = ValueTag::Int16;
                need(2, "Int16");
                v.integer = static_cast<int16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
                pos_ += 2;
                break;
            }
            case 4:
                v.tag = ValueTag::Int32;
                v.integer = static_cast<int32_t>(u32("Int32"));
                break;
            case 6: {
                v.tag = ValueTag::String;
                const std::string raw = shortString("String");
                v.text = cp1250ToUtf8(raw);
                break;
            }
            case 7:
                v.tag = ValueTag::Ident;
                v.text = name("Ident");
                if (v.text.empty()) fail(v.offset, "empty identifier");
                break;
            case 8:
                v.tag = ValueTag::False;
                break;
            case 9:
                v.tag = ValueTag::True;
                break;
            case 10: {
                v.tag = ValueTag::Binary;
                const uint32_t n = u32("Binary length");
                need(n, "Binary data");
                v.bytes = whole_.slice(pos_, n);
                pos_ += n;
                break;
            }
            case 11: {
                v.tag = ValueTag::Set;
                for (;;) {
                    std::string member = name("Set member");
                    if (member.empty()) break;
                    v.names.push_back(std::move(member));
                }
                break;
            }
            case 14: {
                v.tag = ValueTag::Collection;
                if (depth + 1 > kMaxDepth) fail(v.offset, "collections nested too deeply");
                for (;;) {
                    const size_t at = pos_;
                    const uint8_t marker = u8("collection item");
                    if (marker == 0) break;
                    if (marker != 1) {
                        fail(at, "collection item must start with 1 (list start), found " + std::to_string(marker));
                    }
                    CollectionItem item;
                    item.offset = at;
                    const std::string savedProperty = property_;
                    readProperties(item.properties, depth + 1);
                    property_ = savedProperty;
                    v.items.push_back(std::move(item));
                }
                break;
            }
            case 20: {
                v.tag = ValueTag::Utf8String;
                const uint32_t n = u32("UTF8String length");
                std::string s = bytes(n, "UTF8String");
                if (!isValidUtf8(s)) fail(v.offset, "UTF8String is not valid UTF-8");
                v.text = std::move(s);
                break;
            }
            default:
                fail(v.offset, "unknown value tag " + std::to_string(tag));
        }
        return v;
    }

    Bytes whole_;
    std::span<const uint8_t> data_;
    std::string source_;
    size_t pos_ = 0;
    std::string object_;
    std::string property_;
};

}  // namespace

ObjectRecord readStream(std::span<const uint8_t> data, std::string_view sourceName) {
    // One copy of the whole, which the payloads then share.
    return Reader(Bytes(std::vector<uint8_t>(data.begin(), data.end())), sourceName).readAll();
}

ObjectRecord readStreamSharing(const Bytes& data, std::string_view sourceName) {
    return Reader(data, sourceName).readAll();
}

// ---------------------------------------------------------------------------
// [SECTION] Value constructors
// ---------------------------------------------------------------------------
Value Value::integerValue(int32_t v) {
    Value out;
    out.integer = v;
    if (v >= -128 && v <= 127) {
        out.tag = ValueTag::Int8;
    } else if (v >= -32768 && v <= 32767) {
        out.tag = ValueTag::Int16;
    } else {
        out.tag = ValueTag::Int32;
    }
    return out;
}

namespace {
bool pureAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<uint8_t>(c) >= 0x80) return false;
    }
    return true;
}
}  // namespace

Value Value::textValue(std::string utf8) {
    Value out;
    out.tag = pureAscii(utf8) ? ValueTag::String : ValueTag::Utf8String;
    out.text = std::move(utf8);
    return out;
}
Value Value::ident(std::string name) {
    Value out;
    out.tag = ValueTag::Ident;
    out.text = std::move(name);
    return out;
}
Value Value::boolean(bool v) {
    Value out;
    out.tag = v ? ValueTag::True : ValueTag::False;
    return out;
}
Value Value::binary(std::vector<uint8_t> data) {
    Value out;
    out.tag = ValueTag::Binary;
    out.bytes = std::move(data);
    return out;
}
Value Value::set(std::vector<std::string> members) {
    Value out;
    out.tag = ValueTag::Set;
    out.names = std::move(members);
    return out;
}
Value Value::collection(std::vector<CollectionItem> items) {
    Value out;
    out.tag = ValueTag::Collection;
    out.items = std::move(items);
    return out;
}

// ---------------------------------------------------------------------------
// [SECTION] Writer
// ---------------------------------------------------------------------------
namespace {

class Writer {
public:
    std::vector<uint8_t> out;

    void u8(uint8_t b) { out.push_back(b); }
    void u16(uint16_t v) {
        u8(v & 0xFF);
        u8(v >> 8);
    }
    void u32(uint32_t v) {
        for (int i = 0; i < 4; ++i) u8((v >> (8 * i)) & 0xFF);
    }
    void shortString(std::string_view s, const char* what) {
        if (s.size() > 255) throw LayoutError(std::string(what) + " longer than 255 bytes: " + std::string(s));
        u8(static_cast<uint8_t>(s.size()));
        out.insert(out.end(), s.begin(), s.end());
    }

    void object(const ObjectRecord& rec) {
        if (rec.filerFlags != 0 || rec.childPosition >= 0) {
            uint8_t flags = rec.filerFlags;
            if (rec.childPosition >= 0) flags |= 0x02;
            u8(0xF0 | flags);
            if (flags & 0x02) value(Value::integerValue(rec.childPosition));
        }
        shortString(rec.className, "class name");
        shortString(rec.name, "object name");
        properties(rec.properties);
        for (const auto& child : rec.children) object(child);
        u8(0);
    }

    void properties(const std::vector<Property>& props) {
        for (const auto& p : props) {
            shortString(p.name, "property name");
            value(p.value);
        }
        u8(0);
    }

    void value(const Value& v) {
        switch (v.tag) {
            case ValueTag::Int8:
            case ValueTag::Int16:
            case ValueTag::Int32: {
                const Value narrow = Value::integerValue(v.integer);
                u8(static_cast<uint8_t>(narrow.tag));
                if (narrow.tag == ValueTag::Int8) {
                    u8(static_cast<uint8_t>(v.integer));
                } else if (narrow.tag == ValueTag::Int16) {
                    u16(static_cast<uint16_t>(v.integer));
                } else {
                    u32(static_cast<uint32_t>(v.integer));
                }
                break;
            }
            case ValueTag::String:
            case ValueTag::Utf8String:
                if (pureAscii(v.text) && v.text.size() <= 255) {
                    u8(static_cast<uint8_t>(ValueTag::String));
                    shortString(v.text, "String");
                } else {
                    u8(static_cast<uint8_t>(ValueTag::Utf8String));
                    u32(static_cast<uint32_t>(v.text.size()));
                    out.insert(out.end(), v.text.begin(), v.text.end());
                }
                break;
            case ValueTag::Ident:
                u8(static_cast<uint8_t>(v.tag));
                shortString(v.text, "identifier");
                break;
            case ValueTag::False:
            case ValueTag::True:
                u8(static_cast<uint8_t>(v.tag));
                break;
            case ValueTag::Binary:
                u8(static_cast<uint8_t>(v.tag));
                if (v.bytes.size() > std::numeric_limits<uint32_t>::max()) throw LayoutError("binary value too large");
                u32(static_cast<uint32_t>(v.bytes.size()));
                out.insert(out.end(), v.bytes.begin(), v.bytes.end());
                break;
            case ValueTag::Set:
                u8(static_cast<uint8_t>(v.tag));
                for (const auto& n : v.names) shortString(n, "set member");
                u8(0);
                break;
            case ValueTag::Collection:
                u8(static_cast<uint8_t>(v.tag));
                for (const auto& item : v.items) {
                    u8(1);
                    properties(item.properties);
                }
                u8(0);
                break;
        }
    }
};

}  // namespace

std::vector<uint8_t> writeStream(const ObjectRecord& root) {
    Writer w;
    w.out = {'T', 'P', 'F', '0'};
    w.object(root);
    return std::move(w.out);
}

// ---------------------------------------------------------------------------
// [SECTION] Tree comparison
// ---------------------------------------------------------------------------
namespace {

bool sameProperties(const std::vector<Property>& a, const std::vector<Property>& b, const std::string& path,
                    std::string* where);

bool sameValue(const Value& a, const Value& b, const std::string& path, std::string* where) {
    auto differ = [&](const std::string& what) {
        if (where) *where = path + ": " + what;
        return false;
    };
    // The writer may narrow an integer or switch text between String and
    // Utf8String, so those compare by kind, not by tag.
    if (a.isInteger() != b.isInteger() || a.isText() != b.isText()) return differ("different kinds");
    if (!a.isInteger() && !a.isText() && a.tag != b.tag) return differ("different tags");
    if (a.isInteger()) return a.integer == b.integer ? true : differ("different integers");
    if (a.isText() || a.tag == ValueTag::Ident) return a.text == b.text ? true : differ("different text");
    if (a.tag == ValueTag::Binary) return a.bytes == b.bytes ? true : differ("different bytes");
    if (a.tag == ValueTag::Set) return a.names == b.names ? true : differ("different set");
    if (a.tag == ValueTag::Collection) {
        if (a.items.size() != b.items.size()) return differ("different item counts");
        for (size_t i = 0; i < a.items.size(); ++i) {
            if (!sameProperties(a.items[i].properties, b.items[i].properties, path + "[" + std::to_string(i) + "]",
                                where)) {
                return false;
            }
        }
    }
    return true;
}

bool sameProperties(const std::vector<Property>& a, const std::vector<Property>& b, const std::string& path,
                    std::string* where) {
    if (a.size() != b.size()) {
        if (where) *where = path + ": different property counts";
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name) {
            if (where) *where = path + ": property '" + a[i].name + "' vs '" + b[i].name + "'";
            return false;
        }
        if (!sameValue(a[i].value, b[i].value, path + "." + a[i].name, where)) return false;
    }
    return true;
}

}  // namespace

bool sameTree(const ObjectRecord& a, const ObjectRecord& b, std::string* where) {
    const std::string path = a.name.empty() ? a.className : a.name;
    if (a.className != b.className || a.name != b.name) {
        if (where) *where = path + ": object " + a.className + " " + a.name + " vs " + b.className + " " + b.name;
        return false;
    }
    if (!sameProperties(a.properties, b.properties, path, where)) return false;
    if (a.children.size() != b.children.size()) {
        if (where) *where = path + ": different child counts";
        return false;
    }
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!sameTree(a.children[i], b.children[i], where)) return false;
    }
    return true;
}

}  // namespace kvarnel::layout
