// The layout stream: a "TPF0" object stream as a tree of plain records.
//
// The stream format is the binary component-streaming format of the tool
// the original window was designed with; no library reads it, so it is
// written by hand here. The reader turns bytes into ObjectRecords without
// knowing any class; the builder (layout_builder.h) then makes components
// of them. The writer does the reverse, for tests and the content builder.
//
// Every record keeps the byte offset where it started so that later errors
// (an unknown class, a property its class lacks, a picture that does not
// decode) can still name the place in the stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "layout/bytes.h"

namespace kvarnel::layout {

// Value tags, with the numbers the stream uses.
enum class ValueTag : uint8_t {
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    String = 6,  // one length byte; single-byte text
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    Collection = 14,
    Utf8String = 20,
};

const char* tagName(ValueTag tag);

struct Property;

// One item of a collection value: a property list of its own.
struct CollectionItem {
    std::vector<Property> properties;
    size_t offset = 0;  // of the item's list-start byte
};

// A property value. Which members are meaningful follows from the tag:
// integers use `integer`; String, Utf8String and Ident use `text` (always
// UTF-8); Binary uses `bytes`; Set uses `names`; Collection uses `items`.
struct Value {
    ValueTag tag = ValueTag::False;
    int32_t integer = 0;
    std::string text;
    Bytes bytes;
    std::vector<std::string> names;
    std::vector<CollectionItem> items;
    size_t offset = 0;  // of the tag byte

    bool isInteger() const { return tag == ValueTag::Int8 || tag == ValueTag::Int16 || tag == ValueTag::Int32; }
    bool isBoolean() const { return tag == ValueTag::False || tag == ValueTag::True; }
    bool isText() const { return tag == ValueTag::String || tag == ValueTag::Utf8String; }
    // Offset of the first payload byte of a Binary value (after tag and length).
    size_t binaryDataOffset() const { return offset + 5; }

    static Value integerValue(int32_t v);      // narrowest integer tag
    static Value textValue(std::string utf8);  // String if pure ASCII, else Utf8String
    static Value ident(std::string name);
    static Value boolean(bool v);
    static Value binary(std::vector<uint8_t> data);
    static Value set(std::vector<std::string> members);
    static Value collection(std::vector<CollectionItem> items);
};

struct Property {
    std::string name;  // possibly dotted: "Font.Name", "Picture.Data"
    Value value;
    size_t offset = 0;  // of the name's length byte
};

struct ObjectRecord {
    std::string className;
    std::string name;
    std::vector<Property> properties;
    std::vector<ObjectRecord> children;
    size_t offset = 0;  // of the record's first byte
    // Filer flags of the record (0 unless the stream used the 0xFn prefix).
    uint8_t filerFlags = 0;
    int32_t childPosition = -1;

    const Property* find(std::string_view propertyName) const;
};

// Reads a complete stream: signature, one root record, nothing after it.
// Throws LayoutError naming `sourceName`, the byte offset and, where known,
// the object and property being read. Never reads outside `data`.
ObjectRecord readStream(std::span<const uint8_t> data, std::string_view sourceName = "layout stream");
// The same, but the Binary values refer into `data`'s buffer instead of
// holding copies: no payload is copied.
ObjectRecord readStreamSharing(const Bytes& data, std::string_view sourceName = "layout stream");

// Writes `root` as a complete stream. Integers use the narrowest tag; text
// is written as String when pure ASCII and as Utf8String otherwise,
// whatever tag the value carries; other tags are written as they are.
// Offsets in the records are ignored.
std::vector<uint8_t> writeStream(const ObjectRecord& root);

// Structural equality of two trees, ignoring offsets; on a difference
// `where` receives a short path describing the first one found.
bool sameTree(const ObjectRecord& a, const ObjectRecord& b, std::string* where = nullptr);

}  // namespace kvarnel::layout
