// The "TPF0" stream: writer and reader agree, and malformed bytes give an
// error that says where, never a crash or an overread.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>

#include "layout/cp1250.h"
#include "layout/errors.h"
#include "layout/layout.h"
#include "layout_fixture.h"
#include "platform/host_files.h"

namespace kvarnel::layout {
namespace {

using testing::fixtureLayout;

std::vector<uint8_t> bytesOf(std::initializer_list<int> list) {
    std::vector<uint8_t> out;
    for (int b : list) out.push_back(static_cast<uint8_t>(b));
    return out;
}

void countTags(const std::vector<Property>& props, std::map<ValueTag, int>& counts) {
    for (const auto& p : props) {
        ++counts[p.value.tag];
        for (const auto& item : p.value.items) countTags(item.properties, counts);
    }
}

void countTags(const ObjectRecord& rec, std::map<ValueTag, int>& counts) {
    countTags(rec.properties, counts);
    for (const auto& c : rec.children) countTags(c, counts);
}

TEST(LayoutStream, RoundTripKeepsTheTreeAndTheBytes) {
    const ObjectRecord original = fixtureLayout();
    const std::vector<uint8_t> bytes = writeStream(original);
    const ObjectRecord read = readStream(bytes);
    std::string where;
    EXPECT_TRUE(sameTree(original, read, &where)) << where;
    // Writing what was read gives the very same bytes.
    EXPECT_EQ(writeStream(read), bytes);

    // The fixture really exercises every tag the format has.
    std::map<ValueTag, int> counts;
    countTags(read, counts);
    for (ValueTag tag :
         {ValueTag::Int8, ValueTag::Int16, ValueTag::Int32, ValueTag::String, ValueTag::Ident, ValueTag::False,
          ValueTag::True, ValueTag::Binary, ValueTag::Set, ValueTag::Collection, ValueTag::Utf8String}) {
        EXPECT_GT(counts[tag], 0) << "no value with tag " << tagName(tag);
    }
}

void forEachBinary(const std::vector<Property>& props, const std::function<void(const Value&)>& f) {
    for (const auto& p : props) {
        if (p.value.tag == ValueTag::Binary) f(p.value);
        for (const auto& item : p.value.items) forEachBinary(item.properties, f);
    }
}
void forEachBinary(const ObjectRecord& rec, const std::function<void(const Value&)>& f) {
    forEachBinary(rec.properties, f);
    for (const auto& c : rec.children) forEachBinary(c, f);
}

// The game maps its layout file and the payloads refer into the mapping:
// the same tree as a copying read, every payload at its own offset of the
// file, and the mapping alive for as long as any payload is, after the
// handle the game read it through is gone.
TEST(LayoutStream, ReadSharingRefersIntoTheMappedFileAndKeepsItAlive) {
    const std::vector<uint8_t> bytes = writeStream(fixtureLayout());
    const auto dir = std::filesystem::temp_directory_path() / ("kvarnel-map-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto file = (dir / "form1.layout").string();
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

    auto mapped = platform::host::mapWholeFile(file);
    ASSERT_TRUE(mapped.has_value());
    ASSERT_EQ(mapped->size(), bytes.size());
    const uint8_t* start = mapped->data();
    ObjectRecord shared = readStreamSharing(*mapped, file);
    std::string where;
    EXPECT_TRUE(sameTree(readStream(bytes), shared, &where)) << where;
    int payloads = 0;
    forEachBinary(shared, [&](const Value& v) {
        ++payloads;
        EXPECT_EQ(v.bytes.data(), start + v.binaryDataOffset()) << "a payload was copied";
    });
    EXPECT_GT(payloads, 0);

    Layout layout = loadLayoutSharing(*mapped, file, PayloadDecoding::WhenFirstUsed);
    mapped.reset();
    std::filesystem::remove_all(dir);  // a mapping outlives its file's name
    EXPECT_EQ(writeStream(shared), bytes) << "the payloads still read after the handle went";
    const auto* list = layout.findAs<DXImageList>("DXImageList1");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ColorTable.size(), 1024u);

    EXPECT_FALSE(platform::host::mapWholeFile(dir.string()).has_value()) << "missing";
    EXPECT_FALSE(platform::host::mapWholeFile(std::filesystem::temp_directory_path().string()).has_value())
        << "a folder";
}

TEST(LayoutStream, OffsetsPointAtTheRecords) {
    const std::vector<uint8_t> bytes = writeStream(fixtureLayout());
    const ObjectRecord read = readStream(bytes);
    EXPECT_EQ(read.offset, 4u);
    for (const auto& child : read.children) {
        ASSERT_LT(child.offset, bytes.size());
        EXPECT_EQ(bytes[child.offset], child.className.size()) << child.name;
        for (const auto& p : child.properties) {
            EXPECT_EQ(bytes[p.offset], p.name.size()) << child.name << "." << p.name;
            EXPECT_EQ(bytes[p.value.offset], static_cast<uint8_t>(p.value.tag)) << child.name << "." << p.name;
        }
    }
}

TEST(LayoutStream, WriterPicksTheNarrowestIntegerAndTheRightStringTag) {
    struct Case {
        Value value;
        ValueTag tag;
    };
    const Case cases[] = {
        {Value::integerValue(0), ValueTag::Int8},
        {Value::integerValue(-128), ValueTag::Int8},
        {Value::integerValue(127), ValueTag::Int8},
        {Value::integerValue(128), ValueTag::Int16},
        {Value::integerValue(-475), ValueTag::Int16},
        {Value::integerValue(32767), ValueTag::Int16},
        {Value::integerValue(-32769), ValueTag::Int32},
        {Value::integerValue(0x00C0DCC0), ValueTag::Int32},
        {Value::textValue("Kvarnel"), ValueTag::String},
        {Value::textValue("Zrušit"), ValueTag::Utf8String},
        {Value::textValue(std::string(300, 'a')), ValueTag::Utf8String},  // too long for a short string
    };
    for (const auto& c : cases) {
        ObjectRecord root;
        root.className = "TForm1";
        root.name = "Form1";
        Value v = c.value;
        if (v.isInteger()) v.tag = ValueTag::Int32;  // the writer must narrow whatever the tag says
        root.properties.push_back({"P", v, 0});
        const auto bytes = writeStream(root);
        const ObjectRecord back = readStream(bytes);
        ASSERT_EQ(back.properties.size(), 1u);
        EXPECT_EQ(back.properties[0].value.tag, c.tag) << "value " << c.value.integer << " / " << c.value.text;
        EXPECT_EQ(back.properties[0].value.integer, c.value.integer);
        EXPECT_EQ(back.properties[0].value.text, c.value.text);
    }
}

TEST(LayoutStream, SingleByteStringsAreReadAsCodePage1250) {
    // "Zrušit" in code page 1250 as a plain String value.
    const auto bytes = bytesOf({'T', 'P', 'F', '0', 6, 'T', 'F', 'o', 'r', 'm',  '1', 5,   'F', 'o', 'r',
                                'm', '1', 1,   'C', 6, 6,   'Z', 'r', 'u', 0x9A, 'i', 't', 0,   0});
    const ObjectRecord root = readStream(bytes);
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].value.text, "Zrušit");
}

TEST(LayoutStream, FilerFlagsPrefixIsUnderstood) {
    ObjectRecord root;
    root.className = "TForm1";
    root.name = "Form1";
    ObjectRecord child;
    child.className = "TLabel";
    child.name = "L";
    child.filerFlags = 0x01;
    child.childPosition = 3;
    root.children.push_back(child);
    const auto back = readStream(writeStream(root));
    ASSERT_EQ(back.children.size(), 1u);
    EXPECT_EQ(back.children[0].filerFlags, 0x03);
    EXPECT_EQ(back.children[0].childPosition, 3);
    EXPECT_EQ(back.children[0].className, "TLabel");
}

// Each malformed stream and a piece of the error it must give.
TEST(LayoutStream, MalformedStreamsNameTheOffsetAndWhatWentWrong) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::vector<std::string> expected;  // parts of the message
    };
    const std::vector<uint8_t> head =
        bytesOf({'T', 'P', 'F', '0', 6, 'T', 'F', 'o', 'r', 'm', '1', 5, 'F', 'o', 'r', 'm', '1'});
    auto with = [&](std::initializer_list<int> tail) {
        std::vector<uint8_t> out = head;
        for (int b : tail) out.push_back(static_cast<uint8_t>(b));
        return out;
    };
    const Case cases[] = {
        {"wrong signature", bytesOf({'T', 'P', 'F', '1', 0}), {"offset 0", "TPF0"}},
        {"empty file", {}, {"offset 0", "TPF0"}},
        {"truncated after the names", head, {"offset 17", "truncated"}},
        {"truncated Int16", with({1, 'L', 3, 0x10}), {"offset 20", "property 'L'", "truncated Int16"}},
        {"binary length past the end",
         with({1, 'B', 10, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2}),
         {"property 'B'", "truncated Binary data"}},
        {"UTF8String length past the end", with({1, 'U', 20, 9, 0, 0, 0, 'a'}), {"truncated UTF8String"}},
        {"unknown tag", with({1, 'X', 5, 0, 0}), {"offset 19", "property 'X'", "unknown value tag 5"}},
        {"tag 0 (a null value)", with({1, 'X', 0, 0, 0}), {"unknown value tag 0"}},
        {"invalid UTF-8", with({1, 'U', 20, 2, 0, 0, 0, 0xC3, 0x28, 0, 0}), {"not valid UTF-8"}},
        {"collection item without list start", with({1, 'I', 14, 7, 0, 0, 0}), {"list start"}},
        {"unterminated set", with({1, 'S', 11, 2, 'f', 's'}), {"truncated Set member"}},
        {"non-printable property name", with({2, 'A', 1, 9, 0, 0}), {"non-printable"}},
        {"bytes after the root", with({0, 0, 0xAB}), {"unexpected bytes after the root"}},
        {"empty class name after filer flags", with({0, 0xF0, 0, 0, 0}), {"offset 19", "empty class name"}},
        {"child truncated mid-name", with({0, 6, 'T', 'L'}), {"object 'Form1'", "truncated class name"}},
    };
    for (const auto& c : cases) {
        try {
            readStream(c.bytes, "test.layout");
            ADD_FAILURE() << c.what << ": no error";
        } catch (const LayoutError& e) {
            const std::string msg = e.what();
            EXPECT_NE(msg.find("test.layout"), std::string::npos) << c.what << ": " << msg;
            for (const auto& part : c.expected) {
                EXPECT_NE(msg.find(part), std::string::npos) << c.what << ": '" << part << "' not in: " << msg;
            }
        }
    }
}

TEST(LayoutStream, DeepNestingIsAnErrorNotAStackOverflow) {
    std::vector<uint8_t> bytes = {'T', 'P', 'F', '0'};
    for (int i = 0; i < 100000; ++i) {
        for (uint8_t b : {uint8_t{1}, uint8_t{'P'}, uint8_t{1}, uint8_t{'x'}, uint8_t{0}}) bytes.push_back(b);
    }
    EXPECT_THROW(readStream(bytes), LayoutError);
}

// Every prefix of a valid stream, and streams with bytes changed at random,
// either read or fail with LayoutError; the sanitizer build catches any
// overread on the way.
TEST(LayoutStream, TruncationsAndCorruptionsNeverCrash) {
    const std::vector<uint8_t> good = writeStream(fixtureLayout());
    for (size_t n = 0; n < good.size(); n += (n < 2000 ? 1 : 97)) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_THROW(readStream(cut), LayoutError) << "prefix of " << n << " bytes";
    }
    std::mt19937 rng(12345);
    for (int round = 0; round < 300; ++round) {
        std::vector<uint8_t> bad = good;
        for (int k = 0; k < 4; ++k) bad[rng() % 2000] = static_cast<uint8_t>(rng());
        try {
            readStream(bad);
        } catch (const LayoutError&) {
        }
    }
}

TEST(CodePage1250, ConvertsBothWaysAndCountsCharacters) {
    const std::string czech = "Příliš žluťoučký kůň úpěl ďábelské ódy. ŠČŘŽÝÁÍÉŮÚŤĎŇĚ";
    const auto single = utf8ToCp1250(czech);
    ASSERT_TRUE(single.has_value());
    EXPECT_EQ(single->size(), utf8Length(czech));
    EXPECT_EQ(cp1250ToUtf8(*single), czech);
    EXPECT_EQ(utf8Length("Nádherně modrá obloha."), 22u);
    EXPECT_FALSE(utf8ToCp1250("日本").has_value());
    EXPECT_FALSE(isValidUtf8("\xC3\x28"));
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // a surrogate
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_TRUE(isValidUtf8("€ and ž"));
}

}  // namespace
}  // namespace kvarnel::layout
