#include "core/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace kvarnel::core {

// Lets failure messages show rectangles as numbers.
[[maybe_unused]] static void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

const char* kindName(VarKind kind) {
    switch (kind) {
        case VarKind::Flag: return "Flag";
        case VarKind::Int: return "Int";
        case VarKind::String: return "String";
        case VarKind::Rect: return "Rect";
    }
    return "?";
}

// Storage of one row as a byte range, to prove that rows never share memory.
std::pair<const unsigned char*, size_t> storageOf(const VariableInfo& row, const GameState& s) {
    auto bytes = [](const auto* p) {
        return std::pair{reinterpret_cast<const unsigned char*>(p), sizeof(*p)};
    };
    switch (row.kind) {
        case VarKind::Flag: return bytes(row.field<uint8_t>(s));
        case VarKind::Int: return bytes(row.field<int32_t>(s));
        case VarKind::String: return bytes(row.field<std::string>(s));
        case VarKind::Rect: return bytes(row.field<Rect>(s));
    }
    return {nullptr, 0};
}

// ---------------------------------------------------------------------------
// Names and kinds

struct NamedKind {
    const char* name;
    VarKind kind;
};

// A sample from every group of the register, with the numbered series at both
// ends and the names that are easy to get wrong.
const NamedKind kSample[] = {
    // display and hit rectangles
    {"DisplayModeChanged", VarKind::Flag}, {"OffsetX", VarKind::Int},
    {"OffsetY", VarKind::Int}, {"SceneArea", VarKind::Rect},
    {"InventoryTriggerArea", VarKind::Rect}, {"CaveHotRect", VarKind::Rect},
    {"MenuRect1", VarKind::Rect}, {"MenuRect8", VarKind::Rect}, {"MenuRect10", VarKind::Rect},
    // settings
    {"Language", VarKind::Int}, {"MusicOn", VarKind::Flag}, {"SoundOn", VarKind::Flag},
    {"MenuSlider", VarKind::Int}, {"SpeechSpeed", VarKind::Int},
    {"BonusGameUnlocked", VarKind::Flag}, {"TrackEnabled1", VarKind::Flag},
    {"TrackEnabled6", VarKind::Flag},
    // programme flow and menu
    {"ShowMakerLogo", VarKind::Flag}, {"IntroCursorHidden", VarKind::Flag},
    {"OutroCreditsStarted", VarKind::Flag}, {"GameInProgress", VarKind::Flag},
    {"SkipTrackRestart", VarKind::Flag}, {"MenuBonusInfoPage", VarKind::Flag},
    {"SliderDragging", VarKind::Flag}, {"MenuHover", VarKind::Int},
    {"MenuHoverPrev", VarKind::Int},
    // player control, texts and timing
    {"PlayerFree", VarKind::Flag}, {"DescriptionsOn", VarKind::Flag},
    {"DescriptionsResume", VarKind::Flag}, {"FailedUseIndex", VarKind::Int},
    {"DescriptionTimerOn", VarKind::Flag}, {"DescriptionTime", VarKind::Int},
    {"DescriptionElapsed", VarKind::Int}, {"DescriptionExpired", VarKind::Flag},
    {"TalkTimerOn", VarKind::Flag}, {"TalkExpired", VarKind::Flag},
    {"SpeechTime", VarKind::Int}, {"SpeechElapsed", VarKind::Int},
    {"ChoicesWithoutCancel", VarKind::Flag}, {"LineTimer0.Active", VarKind::Flag},
    {"LineTimer0.Expired", VarKind::Flag}, {"LineTimer6.Limit", VarKind::Int},
    {"LineTimer11.Elapsed", VarKind::Int}, {"IdleTime", VarKind::Int},
    {"IdleRemarkKind", VarKind::Int}, {"CaveExitRemarkDue", VarKind::Flag},
    {"CaveExitRemarkTicks", VarKind::Int}, {"RudeSpotDetective", VarKind::Flag},
    // inventory and held item
    {"CursorFile", VarKind::String}, {"LoadedCursorFile", VarKind::String},
    {"ItemTaken", VarKind::Flag}, {"ItemCount", VarKind::Int}, {"HasLockPick", VarKind::Flag},
    {"LockPickSlot", VarKind::Int}, {"MoneySlotFree", VarKind::Flag},
    {"MoneySlotGiven", VarKind::Flag}, {"MoneyCount", VarKind::Int},
    {"InventoryClosing", VarKind::Flag}, {"ArrangeInventory", VarKind::Flag},
    // story progress
    {"CriminalDoorOpen", VarKind::Flag}, {"RangerNamedPrice", VarKind::Flag},
    {"RangerMoneyOffered", VarKind::Int}, {"SheriffToldOfEleanor", VarKind::Flag},
    {"TableWinnings", VarKind::Int},
    // ambient animations
    {"BirdStepTime", VarKind::Int}, {"BirdStepDue", VarKind::Flag},
    {"BirdPauseElapsed", VarKind::Int}, {"BirdWasFlying", VarKind::Flag},
    {"KrovakIdleOn", VarKind::Flag}, {"KrovakIdleTime", VarKind::Int},
    {"KrovakIdleDue", VarKind::Flag},
    // bonus game
    {"PaddleA", VarKind::Int}, {"BallDX", VarKind::Int}, {"SpeedRange", VarKind::Int},
    {"BonusServeUp", VarKind::Flag}, {"BonusClockDue", VarKind::Flag},
    {"BonusPhase", VarKind::Int}, {"BannerStepTicks", VarKind::Int},
    {"DigitHeight", VarKind::Int}, {"CountdownSound1Played", VarKind::Flag},
    {"CountdownSound3Played", VarKind::Flag},
    // table game
    {"TableGameRunning", VarKind::Flag}, {"TableTickDue", VarKind::Flag},
    {"TableTickElapsed", VarKind::Int}, {"BatX", VarKind::Int},
    {"TableBallShown", VarKind::Flag},
    // cave
    {"InCave", VarKind::Flag}, {"CaveNumber", VarKind::Int}, {"CaveLevel1", VarKind::Flag},
    {"CaveLevel7", VarKind::Flag}, {"LevelIntroMessage", VarKind::Flag},
    {"NoBottleMessage", VarKind::Flag}, {"Caught", VarKind::Flag},
    {"BottleShrinking", VarKind::Flag}, {"BottleHeight", VarKind::Int},
    {"ExitAnimStep", VarKind::Int}, {"PlayerTurn", VarKind::Flag},
    {"MonsterTryVertical", VarKind::Flag}, {"MonsterStepsBefore", VarKind::Int},
    {"DetectiveFacing", VarKind::Int}, {"MonsterStepFrame", VarKind::Int},
    {"CanMoveLeft", VarKind::Flag}, {"DetectiveMovesDown", VarKind::Flag},
    {"MonsterCanMoveRight", VarKind::Flag}, {"MonsterAnimUp", VarKind::Flag},
    {"MonsterMoveLeft", VarKind::Flag},
};

TEST(GameStateRegister, RegisterNamesAreReachableWithTheirKind) {
    for (const NamedKind& expected : kSample) {
        const VariableInfo* row = findVariable(expected.name);
        ASSERT_NE(row, nullptr) << expected.name << " is not in the table";
        EXPECT_EQ(row->name, expected.name);
        EXPECT_EQ(kindName(row->kind), std::string(kindName(expected.kind))) << expected.name;
    }
}

TEST(GameStateRegister, NamesOutsideTheRegisterAreNotFound) {
    const char* absent[] = {
        "",
        "playerfree",         // lookup is case-sensitive
        "PlayerFree ",        // and exact
        "SettingsFile",       // kept by the start-up code, not here
        "MenuRect0",          // series are numbered from 1 ...
        "MenuRect11",         // ... up to their size
        "TrackEnabled0",      "TrackEnabled7",    "CaveLevel0", "CaveLevel8",
        "CountdownSound0Played", "CountdownSound4Played", "CountdownSoundPlayed",
        "LineTimer12.Active", // line timers are numbered from 0 to 11
        "LineTimer6",         // a line timer is reached field by field
        "LineTimer6.active",  "MenuRect",
        "Sker",               // story flags live in the layout
        "STequila",
    };
    for (const char* name : absent) {
        EXPECT_EQ(findVariable(name), nullptr) << '"' << name << "\" should not be found";
    }
}

TEST(GameStateRegister, TableHasOneRowPerVariableAndElement) {
    // 207 scalar variables, 10 menu rectangles, 6 track switches, 12 line
    // timers of 4 fields, 7 cave levels and 3 countdown sounds.
    EXPECT_EQ(allVariables().size(), 207u + 10u + 6u + 12u * 4u + 7u + 3u);

    std::map<std::string_view, int> seen;
    for (const VariableInfo& row : allVariables()) ++seen[row.name];
    for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name << " appears twice";

    for (const VariableInfo& row : allVariables()) {
        EXPECT_EQ(findVariable(row.name), &row) << row.name;
    }
}

TEST(GameStateRegister, EveryRowHasStorageOfItsOwnInsideTheState) {
    GameState state;
    const auto* begin = reinterpret_cast<const unsigned char*>(&state);
    const auto* end = begin + sizeof(GameState);
    std::vector<std::pair<const unsigned char*, size_t>> ranges;
    for (const VariableInfo& row : allVariables()) {
        auto [p, size] = storageOf(row, state);
        ASSERT_NE(p, nullptr) << row.name << " has no accessor of kind " << kindName(row.kind);
        EXPECT_TRUE(p >= begin && p + size <= end) << row.name << " lies outside the state";
        ranges.emplace_back(p, size);
    }
    std::sort(ranges.begin(), ranges.end());
    for (size_t i = 1; i < ranges.size(); ++i) {
        EXPECT_LE(ranges[i - 1].first + ranges[i - 1].second, ranges[i].first)
            << "two rows overlap";
    }
}

TEST(GameStateRegister, ArrayRowsReachTheRightElement) {
    struct Case {
        const char* name;
        int64_t value;
        int64_t (*read)(const GameState&);
    };
    const Case cases[] = {
        {"TrackEnabled1", 1, [](const GameState& s) -> int64_t { return s.TrackEnabled[0]; }},
        {"TrackEnabled6", 1, [](const GameState& s) -> int64_t { return s.TrackEnabled[5]; }},
        {"CaveLevel7", 1, [](const GameState& s) -> int64_t { return s.CaveLevel[6]; }},
        {"CountdownSound1Played", 1,
         [](const GameState& s) -> int64_t { return s.CountdownSoundPlayed[0]; }},
        {"LineTimer0.Active", 1,
         [](const GameState& s) -> int64_t { return s.LineTimer[0].Active; }},
        {"LineTimer6.Limit", 5000,
         [](const GameState& s) -> int64_t { return s.LineTimer[6].Limit; }},
        {"LineTimer11.Elapsed", -70,
         [](const GameState& s) -> int64_t { return s.LineTimer[11].Elapsed; }},
        {"LineTimer11.Expired", 1,
         [](const GameState& s) -> int64_t { return s.LineTimer[11].Expired; }},
        {"KrovakIdleTime", 6999, [](const GameState& s) -> int64_t { return s.KrovakIdleTime; }},
    };
    for (const Case& c : cases) {
        GameState state;
        ASSERT_TRUE(setNumber(state, c.name, c.value)) << c.name;
        EXPECT_EQ(c.read(state), c.value) << c.name;
    }

    GameState state;
    ASSERT_TRUE(setRect(state, "MenuRect3", Rect{426, 370, 584, 419}));
    EXPECT_EQ(state.MenuRect[2], (Rect{426, 370, 584, 419}));
    EXPECT_EQ(state.MenuRect[1], Rect{});
    EXPECT_EQ(state.MenuRect[3], Rect{});
}

// ---------------------------------------------------------------------------
// Values through the table

TEST(GameStateRegister, EveryRowStartsAtZeroOrEmpty) {
    const GameState state;
    for (const VariableInfo& row : allVariables()) {
        switch (row.kind) {
            case VarKind::Flag:
            case VarKind::Int: EXPECT_EQ(getNumber(state, row.name), 0) << row.name; break;
            case VarKind::String: EXPECT_EQ(getString(state, row.name), "") << row.name; break;
            case VarKind::Rect: EXPECT_EQ(getRect(state, row.name), Rect{}) << row.name; break;
        }
    }
}

TEST(GameStateRegister, EveryIntStringAndRectRowKeepsItsOwnValue) {
    GameState state;
    auto rows = allVariables();
    auto intValue = [](size_t i) { return static_cast<int64_t>(i) * 7919 - 1000000; };
    auto rectValue = [](size_t i) {
        int32_t v = static_cast<int32_t>(i);
        return Rect{v, v + 1, -v, v * 3};
    };
    auto stringValue = [](size_t i) { return "Cursors\\Item" + std::to_string(i) + ".cur"; };

    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string_view name = rows[i].name;
        switch (rows[i].kind) {
            case VarKind::Flag: break;  // two values only: see the next test
            case VarKind::Int: ASSERT_TRUE(setNumber(state, name, intValue(i))) << name; break;
            case VarKind::String:
                ASSERT_TRUE(setString(state, name, stringValue(i))) << name;
                break;
            case VarKind::Rect: ASSERT_TRUE(setRect(state, name, rectValue(i))) << name; break;
        }
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string_view name = rows[i].name;
        switch (rows[i].kind) {
            case VarKind::Flag: EXPECT_EQ(getNumber(state, name), 0) << name; break;
            case VarKind::Int: EXPECT_EQ(getNumber(state, name), intValue(i)) << name; break;
            case VarKind::String: EXPECT_EQ(getString(state, name), stringValue(i)) << name; break;
            case VarKind::Rect: EXPECT_EQ(getRect(state, name), rectValue(i)) << name; break;
        }
    }
}

TEST(GameStateRegister, SettingOneFlagChangesNoOtherRow) {
    // A flag holds only 0 or 1, so each one is raised alone and every other
    // numeric row must still read 0.
    std::vector<const VariableInfo*> numeric;
    for (const VariableInfo& row : allVariables()) {
        if (row.kind == VarKind::Flag || row.kind == VarKind::Int) numeric.push_back(&row);
    }
    for (const VariableInfo* flag : numeric) {
        if (flag->kind != VarKind::Flag) continue;
        GameState state;
        ASSERT_TRUE(setNumber(state, flag->name, 1)) << flag->name;
        for (const VariableInfo* other : numeric) {
            EXPECT_EQ(getNumber(state, other->name), other == flag ? 1 : 0)
                << "after setting " << flag->name << ", " << other->name;
        }
        ASSERT_TRUE(setNumber(state, flag->name, 0));
        EXPECT_EQ(getNumber(state, flag->name), 0) << flag->name;
    }
}

TEST(GameStateRegister, WrongKindUnknownNameAndRangeAreRefused) {
    struct Case {
        const char* name;
        int64_t value;
        bool accepted;
    };
    const Case cases[] = {
        {"PlayerFree", 1, true},
        {"PlayerFree", 0, true},
        {"PlayerFree", 2, false},
        {"PlayerFree", -1, false},
        {"PlayerFree", 256, false},  // would wrap to 0 in a byte
        {"LineTimer3.Active", 255, false},
        {"OffsetY", -24, true},
        {"OffsetX", std::numeric_limits<int32_t>::max(), true},
        {"OffsetX", std::numeric_limits<int32_t>::min(), true},
        {"OffsetX", int64_t{std::numeric_limits<int32_t>::max()} + 1, false},
        {"OffsetX", int64_t{std::numeric_limits<int32_t>::min()} - 1, false},
        {"LineTimer6.Limit", int64_t{1} << 32, false},  // would wrap to 0
        {"CursorFile", 0, false},
        {"SceneArea", 0, false},
        {"NoSuchVariable", 0, false},
    };
    for (const Case& c : cases) {
        GameState state;
        state.PlayerFree = 1;
        state.OffsetX = 128;
        state.OffsetY = 7;
        state.LineTimer[3].Active = 1;
        state.LineTimer[6].Limit = 5000;
        const std::optional<int64_t> before = getNumber(state, c.name);
        EXPECT_EQ(setNumber(state, c.name, c.value), c.accepted) << c.name << " := " << c.value;
        EXPECT_EQ(getNumber(state, c.name), c.accepted ? std::optional<int64_t>(c.value) : before)
            << c.name << " after setting " << c.value;
    }

    GameState state;
    state.CursorFile = "Cursors\\Kurzor.cur";
    state.SceneArea = Rect{1, 2, 3, 4};
    EXPECT_EQ(getNumber(state, "CursorFile"), std::nullopt);
    EXPECT_EQ(getNumber(state, "SceneArea"), std::nullopt);
    EXPECT_EQ(getString(state, "PlayerFree"), std::nullopt);
    EXPECT_EQ(getString(state, "MenuRect1"), std::nullopt);
    EXPECT_EQ(getString(state, "cursorfile"), std::nullopt);
    EXPECT_EQ(getRect(state, "OffsetX"), std::nullopt);
    EXPECT_EQ(getRect(state, "CursorFile"), std::nullopt);
    EXPECT_EQ(getRect(state, "MenuRect11"), std::nullopt);
    EXPECT_FALSE(setString(state, "OffsetX", "5"));
    EXPECT_FALSE(setString(state, "SceneArea", "x"));
    EXPECT_FALSE(setRect(state, "CursorFile", Rect{}));
    EXPECT_FALSE(setRect(state, "PlayerFree", Rect{}));
    EXPECT_EQ(state.CursorFile, "Cursors\\Kurzor.cur");
    EXPECT_EQ(state.SceneArea, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(state.OffsetX, 0);
    EXPECT_EQ(state.PlayerFree, 0);
}

TEST(GameStateRegister, FormatValueByKind) {
    GameState state;
    state.HandsEmpty = 1;
    state.OffsetY = -24;
    state.CursorFile = "Cursors\\Kurzor.cur";
    state.MenuRect[7] = Rect{470, 273, 504, 311};
    state.LineTimer[9].Limit = 3000;
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"HandsEmpty", "1"},
        {"ItemTaken", "0"},
        {"OffsetY", "-24"},
        {"CursorFile", "\"Cursors\\Kurzor.cur\""},
        {"LoadedCursorFile", "\"\""},
        {"MenuRect8", "(470, 273, 504, 311)"},
        {"CaveHotRect", "(0, 0, 0, 0)"},
        {"LineTimer9.Limit", "3000"},
    };
    for (const Case& c : cases) {
        const VariableInfo* row = findVariable(c.name);
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(formatValue(state, *row), c.text) << c.name;
    }
}

// ---------------------------------------------------------------------------
// Rect

TEST(GameStateRect, ContainsIsHalfOpen) {
    const Rect r{400, 480, 620, 512};
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {
        {400, 480, true},  {619, 511, true},  {500, 500, true},
        {399, 480, false}, {400, 479, false}, {620, 500, false},
        {500, 512, false}, {620, 512, false}, {-400, -480, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(r.contains(c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
    }
    EXPECT_FALSE((Rect{10, 10, 10, 20}).contains(10, 15)) << "an empty rect holds no point";
}

// ---------------------------------------------------------------------------
// Story flags

TEST(StoryFlagNames, AllThirtySixUniqueAndNotGameVariables) {
    EXPECT_EQ(kStoryFlagNames.size(), 36u);
    std::set<std::string_view> unique(kStoryFlagNames.begin(), kStoryFlagNames.end());
    EXPECT_EQ(unique.size(), kStoryFlagNames.size()) << "a story flag is listed twice";
    for (std::string_view name : kStoryFlagNames) {
        ASSERT_FALSE(name.empty());
        EXPECT_TRUE(name.front() == 'S' || name.front() == 's') << name;
        EXPECT_EQ(findVariable(name), nullptr) << name << " is a picture, not a variable";
    }
}

TEST(StoryFlagNames, SpellingAndCaseAsInTheLayout) {
    const std::string_view expected[] = {
        "Ssplh",     "Sinteligence",   "STequila",        "Stequilzakopem", "Spoplatek",
        "Sserifinfo", "Snajdeskrovaka", "Sdarlano",        "svyresenypripad", "St1",
        "st2",       "st4",            "SInfoopachatelce", "SKukdosuplu",    "SMistodcerky",
        "Sdedek3zl", "Sdrujdovovypraveni",
    };
    for (std::string_view name : expected) {
        EXPECT_NE(std::find(kStoryFlagNames.begin(), kStoryFlagNames.end(), name),
                  kStoryFlagNames.end())
            << name << " is missing";
    }
    const std::string_view misspelt[] = {"Stequila", "ST2", "St2", "Svyresenypripad", "sker"};
    for (std::string_view name : misspelt) {
        EXPECT_EQ(std::find(kStoryFlagNames.begin(), kStoryFlagNames.end(), name),
                  kStoryFlagNames.end())
            << name << " must not match a flag of another case";
    }
}

}  // namespace
}  // namespace kvarnel::core
