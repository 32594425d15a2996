#include "core/ini_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>

namespace kvarnel::core {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

// ---------------------------------------------------------------------------
// Reading

class IniDocumentRead : public ::testing::Test {
protected:
    const IniDocument doc = IniDocument::parse(
        "; settings and the saved game\r\n"
        "[Other]\r\n"
        "Data76=0\r\n"
        "  data77 =  1  \r\n"
        "Files13=$1F\r\n"
        "Hex=0x1f\r\n"
        "HexUpper=0X1F\r\n"
        "Negative=-42\r\n"
        "Plus=+7\r\n"
        "NegativeHex=-$10\r\n"
        "Garbage=12abc\r\n"
        "Inner=1 2\r\n"
        "Empty=\r\n"
        "OnlyPrefix=0x\r\n"
        "OnlyDollar=$\r\n"
        "OnlySign=-\r\n"
        "Float=1.5\r\n"
        "TooBig=2147483648\r\n"
        "Largest=2147483647\r\n"
        "Smallest=-2147483648\r\n"
        "AllOnes=0xFFFFFFFF\r\n"
        "TooWide=0x100000000\r\n"
        "Zeros=000000000000000000017\r\n"
        "Dup=1\r\n"
        "dup=2\r\n"
        "this line has no equals sign\r\n"
        "=5\r\n"
        ";Commented=9\r\n"
        "\r\n"
        "[ Second ]\r\n"
        "Data76=77\r\n"
        "OnlyInSecond=5\r\n"
        "[other]\r\n"
        "Late=3\r\n");
};

TEST_F(IniDocumentRead, Integers) {
    struct Case {
        const char* section;
        const char* key;
        int32_t expected;
    };
    const int32_t d = 470;  // the default
    const Case cases[] = {
        {"Other", "Data76", 0},
        {"Other", "Data77", 1},        // key trimmed, case-insensitive
        {"OTHER", "DATA76", 0},        // section case-insensitive
        {" Other ", " Data76 ", 0},    // names given with spaces
        {"Other", "Files13", 31},      // "$" hexadecimal
        {"Other", "Hex", 31},          // "0x"
        {"Other", "HexUpper", 31},     // "0X"
        {"Other", "Negative", -42},
        {"Other", "Plus", 7},
        {"Other", "NegativeHex", -16},
        {"Other", "Garbage", d},
        {"Other", "Inner", d},
        {"Other", "Empty", d},
        {"Other", "OnlyPrefix", d},
        {"Other", "OnlyDollar", d},
        {"Other", "OnlySign", d},
        {"Other", "Float", d},
        {"Other", "TooBig", d},
        {"Other", "Largest", 2147483647},
        {"Other", "Smallest", kInt32Min},
        {"Other", "AllOnes", -1},      // 32-bit pattern
        {"Other", "TooWide", d},
        {"Other", "Zeros", 17},
        {"Other", "Dup", 1},           // the first of two wins
        {"Other", "Commented", d},
        {"Other", "", d},              // "=5" has no key
        {"Other", "Missing", d},
        {"Other", "OnlyInSecond", d},  // other sections are not searched
        {"Other", "Late", d},          // nor a second [Other]
        {"Second", "Data76", 77},      // header "[ Second ]" trimmed
        {"Second", "Files13", d},
        {"Missing", "Data76", d},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.readInt(c.section, c.key, d), c.expected)
            << "[" << c.section << "] " << c.key;
    }
}

TEST_F(IniDocumentRead, Booleans) {
    struct Case {
        const char* key;
        bool defaultValue;
        bool expected;
    };
    const Case cases[] = {
        {"Data76", true, false},  {"Data77", false, true},   {"Negative", false, true},
        {"AllOnes", false, true}, {"Files13", false, true},  {"Garbage", true, true},
        {"Garbage", false, false}, {"Missing", true, true}, {"Missing", false, false},
        {"Empty", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(doc.readBool("Other", c.key, c.defaultValue), c.expected)
            << c.key << " with default " << c.defaultValue;
    }
}

TEST_F(IniDocumentRead, Strings) {
    EXPECT_EQ(doc.readString("Other", "data77"), "1");
    EXPECT_EQ(doc.readString("Other", "Empty"), "") << "an empty value is present";
    EXPECT_EQ(doc.readString("Other", "Missing"), std::nullopt);
    EXPECT_EQ(doc.readString("Missing", "Data76"), std::nullopt);
    EXPECT_EQ(doc.readString("Other", "this line has no equals sign"), std::nullopt);
}

TEST(IniInteger, ParsesOnlyWholeNumbers) {
    struct Case {
        const char* text;
        std::optional<int32_t> expected;
    };
    const Case cases[] = {
        {"0", 0},           {"-0", 0},          {"007", 7},
        {"$ff", 255},       {"0xAbC", 0xABC},   {"-$1F", -31},
        {"$7FFFFFFF", 2147483647}, {"$80000000", kInt32Min}, {"-0x80000000", kInt32Min},
        {"0x0000000000000001", 1},
        {"", std::nullopt}, {" 5", std::nullopt}, {"5 ", std::nullopt},
        {"- 5", std::nullopt}, {"--5", std::nullopt}, {"$-1", std::nullopt},
        {"0x0x1", std::nullopt}, {"1e3", std::nullopt}, {"x1F", std::nullopt},
        {"$G", std::nullopt}, {"99999999999999999999", std::nullopt},
        {"-2147483649", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseIniInteger(c.text), c.expected) << '"' << c.text << '"';
    }
}

// ---------------------------------------------------------------------------
// Writing

TEST(IniDocumentWrite, UnchangedDocumentIsWrittenBackByteForByte) {
    const char* texts[] = {
        "",
        "[Other]\r\nData76=1\r\n",
        "[Other]\nData76=1\n",
        "[Other]\r\nData76=1",
        "\r\n\r\n",
        "; only a comment",
        "garbage\r\n[Other\r\n  key = value with spaces  \r\n\tTab=1\n\r\nlone\rcr\r\n",
        "[Other]\r\nText=\xC5\xBElu\xC5\xA5\xC3\xA1k\r\n\x01\xFF=\r\n",
    };
    for (const char* text : texts) {
        EXPECT_EQ(IniDocument::parse(text).text(), text);
    }
    const char raw[] = "[A]\r\nk=\0v\r\n";
    const std::string withNul(raw, sizeof raw - 1);
    EXPECT_EQ(IniDocument::parse(withNul).text(), withNul);
}

TEST(IniDocumentWrite, ReplacingAValueKeepsEveryOtherByte) {
    IniDocument doc = IniDocument::parse(
        "; comment\r\n"
        "[Other]\r\n"
        "Data76=1\r\n"
        "  data77 =  1  \r\n"
        "junk line\r\n"
        "Files13=470\r\n"
        "\r\n"
        "[Second]\r\n"
        "Data77=5\r\n");
    doc.writeBool("Other", "DATA77", false);
    doc.writeInt("other", "Files13", 520);
    EXPECT_EQ(doc.text(),
              "; comment\r\n"
              "[Other]\r\n"
              "Data76=1\r\n"
              "  data77 =  0  \r\n"
              "junk line\r\n"
              "Files13=520\r\n"
              "\r\n"
              "[Second]\r\n"
              "Data77=5\r\n");
    EXPECT_EQ(doc.readInt("Other", "Data77", 9), 0);
    EXPECT_EQ(doc.readInt("Second", "Data77", 9), 5);
}

TEST(IniDocumentWrite, ReplacingAnEmptyValueAndTheFirstOfTwoKeys) {
    IniDocument doc = IniDocument::parse("[Other]\nEmpty=\nDup=1\nDup=2\n");
    doc.writeInt("Other", "Empty", -5);
    doc.writeInt("Other", "Dup", 3);
    EXPECT_EQ(doc.text(), "[Other]\nEmpty=-5\nDup=3\nDup=2\n");
}

TEST(IniDocumentWrite, NewKeyGoesAfterTheLastLineOfItsSection) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        // before the section's trailing blank lines, not into the next section
        {"[Other]\r\nA=1\r\n\r\n\r\n[Next]\r\nB=2\r\n",
         "[Other]\r\nA=1\r\nC=3\r\n\r\n\r\n[Next]\r\nB=2\r\n"},
        // after a trailing comment, which belongs to the section
        {"[Other]\nA=1\n;end\n", "[Other]\nA=1\n;end\nC=3\n"},
        // a section with nothing but its header
        {"[Other]\r\n[Next]\r\n", "[Other]\r\nC=3\r\n[Next]\r\n"},
        // an unterminated last line gets an ending first
        {"[Other]\nA=1", "[Other]\nA=1\nC=3\n"},
        {"[Other]", "[Other]\r\nC=3\r\n"},
    };
    for (const Case& c : cases) {
        IniDocument doc = IniDocument::parse(c.before);
        doc.writeInt("Other", "C", 3);
        EXPECT_EQ(doc.text(), c.after) << "writing into " << testing::PrintToString(c.before);
    }
}

TEST(IniDocumentWrite, MissingSectionIsAppendedAtTheEnd) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"", "[Other]\r\nData93=1\r\n"},
        {"[A]\nx=1\n", "[A]\nx=1\n[Other]\nData93=1\n"},
        {"[A]\r\nx=1", "[A]\r\nx=1\r\n[Other]\r\nData93=1\r\n"},
        {"; no sections\n\n", "; no sections\n\n[Other]\nData93=1\n"},
        {"Data93=0\r\n", "Data93=0\r\n[Other]\r\nData93=1\r\n"},  // a key outside any section
    };
    for (const Case& c : cases) {
        IniDocument doc = IniDocument::parse(c.before);
        doc.writeBool("Other", "Data93", true);
        EXPECT_EQ(doc.text(), c.after) << "writing into " << testing::PrintToString(c.before);
    }
}

TEST(IniDocumentWrite, SettingsWrittenAtExitIntoAnEmptyDocument) {
    IniDocument doc;
    doc.writeBool("Other", "Data76", true);
    doc.writeBool("Other", "Data77", false);
    doc.writeInt("Other", "Files13", 470);
    doc.writeBool("Other", "Data93", false);
    EXPECT_EQ(doc.text(), "[Other]\r\nData76=1\r\nData77=0\r\nFiles13=470\r\nData93=0\r\n");

    // Written again, the same keys are replaced in place.
    doc.writeBool("Other", "Data77", true);
    doc.writeInt("Other", "Files13", -1);
    EXPECT_EQ(doc.text(), "[Other]\r\nData76=1\r\nData77=1\r\nFiles13=-1\r\nData93=0\r\n");

    const IniDocument reread = IniDocument::parse(doc.text());
    EXPECT_TRUE(reread.readBool("Other", "Data76", false));
    EXPECT_TRUE(reread.readBool("Other", "Data77", false));
    EXPECT_EQ(reread.readInt("Other", "Files13", 470), -1);
    EXPECT_FALSE(reread.readBool("Other", "Data93", true));
}

TEST(IniDocumentWrite, ExtremeIntegersRoundTrip) {
    IniDocument doc;
    doc.writeInt("Other", "Min", kInt32Min);
    doc.writeInt("Other", "Max", std::numeric_limits<int32_t>::max());
    EXPECT_EQ(doc.readInt("Other", "Min", 0), kInt32Min);
    EXPECT_EQ(doc.readInt("Other", "Max", 0), std::numeric_limits<int32_t>::max());
}

TEST(IniDocumentWrite, NamesThatCannotBeStoredAreRefused) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"", "Key", "1"},        {"  ", "Key", "1"},      {"Oth]er", "Key", "1"},
        {"Other\n", "Key", "1"}, {"Other", "", "1"},      {"Other", "K=ey", "1"},
        {"Other", ";Key", "1"},  {"Other", "[Key", "1"},  {"Other", "Key\r", "1"},
        {"Other", "Key", "1\r\n2"},
    };
    for (const Case& c : cases) {
        IniDocument doc = IniDocument::parse("[Other]\r\nKey=0\r\n");
        EXPECT_THROW(doc.writeString(c.section, c.key, c.value), std::invalid_argument)
            << testing::PrintToString(c.section) << " " << testing::PrintToString(c.key);
        EXPECT_EQ(doc.text(), "[Other]\r\nKey=0\r\n") << "a refused write changes nothing";
    }
}

}  // namespace
}  // namespace kvarnel::core
