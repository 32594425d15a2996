// The game-state register: every game variable of a running game, under the
// name the game's rules use for it, and a table that reaches each one by name.
//
// Sections:
//   [Types]        Rect, LineTimer
//   [Register]     KVARNEL_GAME_VARIABLES, the scalar variables by group
//   [GameState]    the struct that holds them
//   [Story flags]  kStoryFlagNames
//   [By name]      VariableInfo and the lookup, get and set functions
//
// The names are the game's own (`PlayerFree`, `KrovakIdleTime`, ...) even
// where ordinary C++ style would spell them otherwise: they are how the rules
// and the save file refer to them. Every field starts at zero, false or the
// empty string; the start-up sequence assigns the start values afterwards.
//
// Story flags are not fields here: a story flag is the visibility of a hidden
// picture of the layout, so it lives in the control tree. kStoryFlagNames only
// names them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace kvarnel::core {

// [Types] -------------------------------------------------------------------

// A hit rectangle in screen coordinates.
struct Rect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    // Half-open: the left and top edges are inside, the right and bottom
    // edges are not.
    bool contains(int x, int y) const {
        return Left <= x && x < Right && Top <= y && y < Bottom;
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// One timer of the story sequences: a countdown held as one record. Active
// is its on flag; Limit and Elapsed are milliseconds.
struct LineTimer {
    uint8_t Active = 0;
    uint8_t Expired = 0;
    int32_t Limit = 0;
    int32_t Elapsed = 0;

    friend bool operator==(const LineTimer&, const LineTimer&) = default;
};

// [Register] ----------------------------------------------------------------
//
// Every scalar game variable, once. The list both declares the fields of
// GameState and builds the by-name table, so a variable cannot be in one and
// missing from the other. FLAG is a byte holding 0 or 1, INT a signed 32-bit
// number (times in milliseconds, positions in pixels), STRING text, RECT a
// Rect. A countdown is four plain variables: on flag, limit, elapsed time and
// expired flag (see countdown.h). The numbered series (MenuRect1..10,
// TrackEnabled1..6, LineTimer0..11, CaveLevel1..7, CountdownSound1..3Played)
// are arrays declared in GameState itself.
#define KVARNEL_GAME_VARIABLES(FLAG, INT, STRING, RECT)                          \
    /* Display, play area and hit rectangles; set up at start-up, MenuRect in */ \
    /* GameState.                                                             */ \
    FLAG(DisplayModeChanged)                                                     \
    INT(OffsetX)                                                                 \
    INT(OffsetY)                                                                 \
    RECT(SceneArea)                                                              \
    RECT(InventoryTriggerArea)                                                   \
    RECT(CaveHotRect)                                                            \
    /* Settings, persisted in "data.dat"; TrackEnabled in GameState.          */ \
    INT(Language)                                                                \
    FLAG(MusicOn)                                                                \
    FLAG(SoundOn)                                                                \
    INT(MenuSlider)                                                              \
    INT(SpeechSpeed)                                                             \
    FLAG(BonusGameUnlocked)                                                      \
    /* Programme flow, movies and the main menu.                              */ \
    FLAG(ShowMakerLogo)                                                          \
    FLAG(LogoFinished)                                                           \
    FLAG(IntroRunning)                                                           \
    FLAG(IntroSkipped)                                                           \
    FLAG(IntroCursorHidden)                                                      \
    FLAG(IntroFinished)                                                          \
    FLAG(OutroOver)                                                              \
    FLAG(OutroSecondStarted)                                                     \
    FLAG(OutroFifthStarted)                                                      \
    FLAG(OutroSixthStarted)                                                      \
    FLAG(OutroCreditsStarted)                                                    \
    FLAG(GameInProgress)                                                         \
    FLAG(SkipTrackRestart)                                                       \
    FLAG(SceneTrackStarted)                                                      \
    FLAG(MenuChoicePage)                                                         \
    FLAG(MenuBonusInfoPage)                                                      \
    FLAG(MenuOptionsPage)                                                        \
    FLAG(SliderDragging)                                                         \
    INT(MenuHover)                                                               \
    INT(MenuHoverPrev)                                                           \
    /* Player control, texts and timing (descriptions, conversations, the     */ \
    /* game tick); LineTimer in GameState.                                    */ \
    FLAG(PlayerFree)                                                             \
    FLAG(DescriptionsOn)                                                         \
    FLAG(DescriptionsResume)                                                     \
    FLAG(NarratorTalks)                                                          \
    FLAG(FailedUseArmed)                                                         \
    INT(FailedUseIndex)                                                          \
    FLAG(DescriptionTimerOn)                                                     \
    INT(DescriptionTime)                                                         \
    INT(DescriptionElapsed)                                                      \
    FLAG(DescriptionExpired)                                                     \
    FLAG(TalkTimerOn)                                                            \
    INT(TalkTime)                                                                \
    INT(TalkElapsed)                                                             \
    FLAG(TalkExpired)                                                            \
    FLAG(SpeechTimerOn)                                                          \
    INT(SpeechTime)                                                              \
    INT(SpeechElapsed)                                                           \
    FLAG(SpeechExpired)                                                          \
    FLAG(EndTalkAfterLine)                                                       \
    FLAG(ChoicesWithoutCancel)                                                   \
    INT(IdleTime)                                                                \
    FLAG(IdleRemarkDue)                                                          \
    INT(IdleRemarkKind)                                                          \
    FLAG(CaveExitRemarkDue)                                                      \
    INT(CaveExitRemarkTicks)                                                     \
    FLAG(RudeSpotMayor)                                                          \
    FLAG(RudeSpotWarrior)                                                        \
    FLAG(RudeSpotOldMan)                                                         \
    FLAG(RudeSpotGuest)                                                          \
    FLAG(RudeSpotDruid)                                                          \
    FLAG(RudeSpotRanger)                                                         \
    FLAG(RudeSpotDetective)                                                      \
    /* Inventory bar and held item.                                           */ \
    STRING(CursorFile)                                                           \
    STRING(LoadedCursorFile)                                                     \
    FLAG(ItemTaken)                                                              \
    FLAG(HandsEmpty)                                                             \
    INT(ItemCount)                                                               \
    FLAG(HasMoney)                                                               \
    FLAG(HasFood)                                                                \
    FLAG(HasBottle)                                                              \
    FLAG(HasShovel)                                                              \
    FLAG(HasRope)                                                                \
    FLAG(HasLockPick)                                                            \
    FLAG(HasKnife)                                                               \
    INT(MoneySlot)                                                               \
    INT(FoodSlot)                                                                \
    INT(BottleSlot)                                                              \
    INT(ShovelSlot)                                                              \
    INT(RopeSlot)                                                                \
    INT(LockPickSlot)                                                            \
    INT(KnifeSlot)                                                               \
    FLAG(MoneySlotFree)                                                          \
    FLAG(MoneySlotGiven)                                                         \
    INT(MoneyCount)                                                              \
    FLAG(InventoryOpen)                                                          \
    FLAG(InventoryClosing)                                                       \
    FLAG(InventoryClosed)                                                        \
    FLAG(InventoryPoll)                                                          \
    FLAG(InventoryAllowed)                                                       \
    FLAG(ArrangeInventory)                                                       \
    /* Story progress (item use, the characters' conversations, endings).     */ \
    FLAG(CriminalDoorOpen)                                                       \
    FLAG(DugAtCourt)                                                             \
    FLAG(DaughterReturned)                                                       \
    FLAG(MayorGreeted)                                                           \
    FLAG(RangerLetsPass)                                                         \
    FLAG(RangerNoReason)                                                         \
    FLAG(RangerAfterword)                                                        \
    FLAG(RangerPaid)                                                             \
    FLAG(RangerHasRope)                                                          \
    FLAG(RangerNamedPrice)                                                       \
    INT(RangerMoneyOffered)                                                      \
    FLAG(DruidAfterword)                                                         \
    FLAG(SheriffAccusedBushMan)                                                  \
    FLAG(SheriffToldOfEleanor)                                                   \
    FLAG(SheriffSawKnife)                                                        \
    FLAG(SheriffAskedForDrink)                                                   \
    FLAG(FoodBought)                                                             \
    FLAG(BottlesSold)                                                            \
    INT(TableWinnings)                                                           \
    /* Ambient animations: the bird in front of the court and the Bush Man's  */ \
    /* idle animation (story sequences, advanced by the game tick).           */ \
    FLAG(BirdActive)                                                             \
    INT(BirdStepTime)                                                            \
    INT(BirdElapsed)                                                             \
    FLAG(BirdStepDue)                                                            \
    FLAG(BirdPauseOn)                                                            \
    INT(BirdPause)                                                               \
    INT(BirdPauseElapsed)                                                        \
    FLAG(BirdPauseDue)                                                           \
    INT(BirdPhase)                                                               \
    FLAG(BirdWasFlying)                                                          \
    FLAG(KrovakIdleOn)                                                           \
    INT(KrovakIdleTime)                                                          \
    INT(KrovakIdleElapsed)                                                       \
    FLAG(KrovakIdleDue)                                                          \
    /* Bonus game (two-player bat and ball); the ball and the speed pair are  */ \
    /* shared with the table game. CountdownSoundPlayed in GameState.         */ \
    INT(PaddleA)                                                                 \
    INT(PaddleB)                                                                 \
    INT(BallX)                                                                   \
    INT(BallY)                                                                   \
    INT(BallDX)                                                                  \
    INT(BallDY)                                                                  \
    INT(SpeedRange)                                                              \
    INT(MinSpeed)                                                                \
    FLAG(BonusServeUp)                                                           \
    FLAG(BonusAnimationOn)                                                       \
    FLAG(BonusClockDue)                                                          \
    FLAG(BonusBallInPlay)                                                        \
    INT(BonusClockElapsed)                                                       \
    INT(BonusPhase)                                                              \
    INT(BannerStepTicks)                                                         \
    INT(BannerHeight)                                                            \
    INT(BannerWidth)                                                             \
    INT(BannerX)                                                                 \
    INT(DigitX)                                                                  \
    INT(DigitY)                                                                  \
    INT(DigitWidth)                                                              \
    INT(DigitHeight)                                                             \
    /* Table game at the inn.                                                 */ \
    FLAG(TableGameRunning)                                                       \
    FLAG(TableTickDue)                                                           \
    INT(TableTickElapsed)                                                        \
    INT(BatX)                                                                    \
    FLAG(TableBallShown)                                                         \
    /* Cave chase puzzle: screens and progress (CaveLevel in GameState).      */ \
    FLAG(InCave)                                                                 \
    INT(CaveNumber)                                                              \
    FLAG(LevelIntroMessage)                                                      \
    FLAG(CaughtMessage)                                                          \
    FLAG(NoBottleMessage)                                                        \
    FLAG(LevelSolved)                                                            \
    FLAG(Caught)                                                                 \
    /* Cave: the bottle of the seventh cave and the exit hole.                */ \
    FLAG(BottleInCave)                                                           \
    FLAG(BottleShrinking)                                                        \
    FLAG(BottleGrowing)                                                          \
    INT(BottleX)                                                                 \
    INT(BottleY)                                                                 \
    INT(BottleWidth)                                                             \
    INT(BottleHeight)                                                            \
    INT(ExitAnimStep)                                                            \
    INT(ExitX)                                                                   \
    INT(ExitY)                                                                   \
    /* Cave: turns and the monster's choice of steps.                         */ \
    FLAG(PlayerTurn)                                                             \
    FLAG(MonsterTurn)                                                            \
    FLAG(MonsterStepStart)                                                       \
    FLAG(MonsterTryVertical)                                                     \
    INT(MonsterStepsBefore)                                                      \
    INT(MonsterStepsDone)                                                        \
    /* Cave: cells (columns and rows 1..6), pixel positions, facings          */ \
    /* (1 down, 2 up, 3 right, 4 left) and step animation frames.             */ \
    INT(DetectiveColumn)                                                         \
    INT(DetectiveRow)                                                            \
    INT(MonsterColumn)                                                           \
    INT(MonsterRow)                                                              \
    INT(DetectiveX)                                                              \
    INT(DetectiveY)                                                              \
    INT(DetectiveFacing)                                                         \
    INT(DetectiveStepFrame)                                                      \
    INT(MonsterX)                                                                \
    INT(MonsterY)                                                                \
    INT(MonsterFacing)                                                           \
    INT(MonsterStepFrame)                                                        \
    /* Cave: move permissions (recomputed every frame), the detective's       */ \
    /* running step, the monster's chosen step and its running animation.     */ \
    FLAG(CanMoveUp)                                                              \
    FLAG(CanMoveDown)                                                            \
    FLAG(CanMoveLeft)                                                            \
    FLAG(CanMoveRight)                                                           \
    FLAG(DetectiveMovesUp)                                                       \
    FLAG(DetectiveMovesDown)                                                     \
    FLAG(DetectiveMovesLeft)                                                     \
    FLAG(DetectiveMovesRight)                                                    \
    FLAG(MonsterCanMoveUp)                                                       \
    FLAG(MonsterCanMoveDown)                                                     \
    FLAG(MonsterCanMoveLeft)                                                     \
    FLAG(MonsterCanMoveRight)                                                    \
    FLAG(MonsterAnimUp)                                                          \
    FLAG(MonsterAnimDown)                                                        \
    FLAG(MonsterAnimLeft)                                                        \
    FLAG(MonsterAnimRight)                                                       \
    FLAG(MonsterMoveUp)                                                          \
    FLAG(MonsterMoveDown)                                                        \
    FLAG(MonsterMoveLeft)                                                        \
    FLAG(MonsterMoveRight)

// [GameState] ---------------------------------------------------------------

#define KVARNEL_DECLARE_FLAG(Name) uint8_t Name{};
#define KVARNEL_DECLARE_INT(Name) int32_t Name{};
#define KVARNEL_DECLARE_STRING(Name) std::string Name{};
#define KVARNEL_DECLARE_RECT(Name) Rect Name{};

// All game variables of one run. Plain data: the rules of every part of the
// game read and write the fields directly.
struct GameState {
    KVARNEL_GAME_VARIABLES(KVARNEL_DECLARE_FLAG, KVARNEL_DECLARE_INT,
                           KVARNEL_DECLARE_STRING, KVARNEL_DECLARE_RECT)

    // Main-menu buttons, speed knob and switches: MenuRect1 is [0].
    std::array<Rect, 10> MenuRect{};
    // Music track k may play: TrackEnabled1 is [0].
    std::array<uint8_t, 6> TrackEnabled{};
    // Timers of the story sequences, LineTimer0..LineTimer11. The member
    // shares its name with the type, so the type is named qualified here.
    std::array<core::LineTimer, 12> LineTimer{};
    // The maze of cave k is active: CaveLevel1 is [0].
    std::array<uint8_t, 7> CaveLevel{};
    // Bonus-game countdown: the sound of digit k has been played in this
    // countdown; CountdownSound1Played is [0].
    std::array<uint8_t, 3> CountdownSoundPlayed{};
};

#undef KVARNEL_DECLARE_FLAG
#undef KVARNEL_DECLARE_INT
#undef KVARNEL_DECLARE_STRING
#undef KVARNEL_DECLARE_RECT

// [Story flags] -------------------------------------------------------------

// Every story flag, spelled (and cased) exactly as the picture that carries it
// is named in the layout. All of them start hidden and all are kept in the
// saved game.
inline constexpr auto kStoryFlagNames = std::to_array<std::string_view>({
    "Ssplh",            "Sinteligence",     "Ssplhnastrom",     "Sker",
    "Sdcerka",          "SMistodcerky",     "Shledejdceru",     "Sdejbagetu",
    "SInfoopachatelce", "Svzetinoze",       "SKukdosuplu",      "svyresenypripad",
    "Sserif",           "St1",              "st2",              "st4",
    "Sbojovnikzly",     "Sdedek",           "Sdedek2",          "Sotazkahory",
    "Sdedek3hodny",     "Sdedek3zl",        "Shnabidka",        "Shjidlo",
    "STequila",         "Sjsemhranicar",    "Solane",           "Sdrujduvprolog",
    "Sobchodsdrujdem",  "Sdrujdovynadavky", "Sdrujdovovypraveni",
    "Stequilzakopem",   "Spoplatek",        "Sserifinfo",       "Snajdeskrovaka",
    "Sdarlano",
});

// [By name] -----------------------------------------------------------------
//
// One row per variable; an array contributes one row per element ("MenuRect3",
// "TrackEnabled2", "CaveLevel7", "CountdownSound1Played") and a line timer one
// row per record field ("LineTimer6.Active", "LineTimer6.Expired",
// "LineTimer6.Limit", "LineTimer6.Elapsed"). Meant for the save file, debug
// dumps and tests; the game's rules use the fields directly.

enum class VarKind : uint8_t { Flag, Int, String, Rect };

// Typed access to one variable's storage, generated from member pointers.
template <class T>
struct FieldAccess {
    T& (*ref)(GameState&) = nullptr;
    const T& (*cref)(const GameState&) = nullptr;
};

struct VariableInfo {
    std::string_view name;
    VarKind kind = VarKind::Int;
    // The alternative always matches `kind`: Flag uint8_t, Int int32_t,
    // String std::string, Rect Rect.
    std::variant<FieldAccess<uint8_t>, FieldAccess<int32_t>,
                 FieldAccess<std::string>, FieldAccess<Rect>>
        access;

    // The variable's storage in `state`, or nullptr when it is not a T.
    template <class T>
    T* field(GameState& state) const {
        const auto* a = std::get_if<FieldAccess<T>>(&access);
        return a != nullptr && a->ref != nullptr ? &a->ref(state) : nullptr;
    }
    template <class T>
    const T* field(const GameState& state) const {
        const auto* a = std::get_if<FieldAccess<T>>(&access);
        return a != nullptr && a->cref != nullptr ? &a->cref(state) : nullptr;
    }
};

// Every row, in register order. The table is built on first use and lives
// for the rest of the process.
std::span<const VariableInfo> allVariables();

// The row of `name` (exact, case-sensitive), or nullptr.
const VariableInfo* findVariable(std::string_view name);

// Flags and ints; nullopt for an unknown name or another kind.
std::optional<int64_t> getNumber(const GameState& state, std::string_view name);

// False for an unknown name, a string or rect variable, a flag given anything
// but 0 or 1, or an int given a value outside int32. Nothing is changed then.
bool setNumber(GameState& state, std::string_view name, int64_t value);

std::optional<std::string> getString(const GameState& state, std::string_view name);
bool setString(GameState& state, std::string_view name, std::string value);

std::optional<Rect> getRect(const GameState& state, std::string_view name);
bool setRect(GameState& state, std::string_view name, const Rect& value);

// The value for a dump: flags and ints in decimal, strings between double
// quotes (verbatim, no escaping), rects as "(L, T, R, B)". `variable` is a row
// of allVariables(); anything else gives "".
std::string formatValue(const GameState& state, const VariableInfo& variable);

}  // namespace kvarnel::core
