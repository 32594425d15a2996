// The monkey: see the header for what it does and why.
//
// [SECTION] Generator
// [SECTION] Moves
// [SECTION] Play
// [SECTION] The command line's run
#include "app/monkey.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "app/recording_platform.h"
#include "layout/errors.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/ttf_text.h"
#include "screens/menu.h"

namespace kvarnel::app {

namespace {

using Kind = ScriptCommand::Kind;
using platform::Key;

// Moves in every thousand, by kind. Clicks on what shows come first: they
// are what moves the story on; waits let texts, movies and the small games
// run; the rest is a careless player's noise.
struct Weights {
    uint32_t clickTarget = 300;
    uint32_t clickAnywhere = 80;
    uint32_t rightClick = 60;
    uint32_t key = 150;
    uint32_t intoInventory = 60;
    uint32_t pointerAnywhere = 40;
    uint32_t menu = 60;
    uint32_t wait = 250;
};
constexpr Weights kWeights;
constexpr uint32_t kWeightTotal = kWeights.clickTarget + kWeights.clickAnywhere + kWeights.rightClick + kWeights.key +
                                  kWeights.intoInventory + kWeights.pointerAnywhere + kWeights.menu + kWeights.wait;
static_assert(kWeightTotal == 1000);

// The keys the game reads, with how often each is pressed: Escape opens
// and leaves the menu and skips the intro, the arrows walk the cave and
// steer the bats, A and S and Space play the two-player game.
struct KeyWeight {
    Key key;
    uint32_t weight;
};
constexpr std::array<KeyWeight, 8> kKeys = {{{Key::Escape, 3},
                                             {Key::Left, 2},
                                             {Key::Right, 2},
                                             {Key::Up, 2},
                                             {Key::Down, 2},
                                             {Key::Space, 2},
                                             {Key::A, 2},
                                             {Key::S, 2}}};

// Menu buttons by how often the monkey presses them (never Exit: it would
// end the run). Save and Load come often, the credits rarely: they are a
// long movie.
struct MenuWeight {
    size_t rect;
    uint32_t weight;
};
constexpr std::array<MenuWeight, 9> kMenuButtons = {{{screens::kRectButton1, 15},
                                                     {screens::kRectButton2, 20},
                                                     {screens::kRectSave, 25},
                                                     {screens::kRectOptions, 10},
                                                     {screens::kRectCredits, 2},
                                                     {screens::kRectOk, 10},
                                                     {screens::kRectKnob, 4},
                                                     {screens::kRectMusic, 6},
                                                     {screens::kRectSound, 6}}};

template <class Row, size_t N>
const Row& pickWeighted(MonkeyRandom& random, const std::array<Row, N>& rows) {
    uint32_t total = 0;
    for (const Row& r : rows) total += r.weight;
    uint32_t roll = random.below(total);
    for (const Row& r : rows) {
        if (roll < r.weight) return r;
        roll -= r.weight;
    }
    return rows.back();
}

bool inRect(const core::Rect& r, int x, int y) {
    return r.contains(x, y);
}

std::string commandLine(const ScriptCommand& c) {
    switch (c.kind) {
        case Kind::Click:
            return "click " + std::to_string(c.x) + " " + std::to_string(c.y);
        case Kind::RightClick:
            return "rclick " + std::to_string(c.x) + " " + std::to_string(c.y);
        case Kind::Move:
            return "move " + std::to_string(c.x) + " " + std::to_string(c.y);
        case Kind::Key:
            return "key " + c.name;
        case Kind::Hold:
            return "hold " + c.name;
        case Kind::Release:
            return "release " + c.name;
        case Kind::Wait:
            return "wait " + std::to_string(c.ms);
        default:
            return c.source;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// [SECTION] Generator
// ---------------------------------------------------------------------------
uint64_t MonkeyRandom::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// ---------------------------------------------------------------------------
// [SECTION] Moves
// ---------------------------------------------------------------------------
Monkey::Monkey(Game& game, GameLoop& loop, uint64_t seed, Checker checker)
    : game_(game), loop_(loop), random_(seed), checker_(std::move(checker)), runner_(game, loop, ignored_) {
    if (!checker_) checker_ = [this](const Game& g) { return watch_.afterTick(g); };
    for (layout::Component* component : game_.layout.components()) {
        const auto* control = layout::as<layout::Control>(component);
        if (!control || control == &game_.layout.form() || control == game_.c.HlavniMenu) continue;
        if (control->OnClick.stored() || control->OnMouseDown.stored() || control->OnMouseUp.stored()) {
            clickable_.push_back(control);
        }
    }
}

Monkey::~Monkey() {
    loop_.setTickObserver({});
}

void Monkey::randomPoint(int& x, int& y) {
    const platform::Size size = game_.platform.screenSize();
    // Never on Exit while the menu shows: it would close the game.
    for (int attempt = 0; attempt < 16; ++attempt) {
        x = random_.between(0, size.width - 1);
        y = random_.between(0, size.height - 1);
        if (!game_.c.Menu1->Visible || !inRect(game_.state.MenuRect[screens::kRectExit], x, y)) return;
    }
    x = 0;
    y = 0;
}

bool Monkey::pickTarget(int& x, int& y) {
    const layout::Screen& screen = *game_.screen;
    std::vector<std::pair<const layout::Control*, layout::ScreenRect>> shown;
    for (const layout::Control* c : clickable_) {
        const layout::ScreenRect r = screen.visibleRect(*c);
        if (!r.empty()) shown.emplace_back(c, r);
    }
    // A few tries: a control may lie under another everywhere.
    for (int attempt = 0; attempt < 8 && !shown.empty(); ++attempt) {
        const auto& [control, r] = shown[random_.below(static_cast<uint32_t>(shown.size()))];
        x = r.x + r.w / 2;
        y = r.y + r.h / 2;
        if (screen.hitTest(x, y) == control) return true;
        for (int probe = 0; probe < 4; ++probe) {
            x = r.x + random_.between(0, r.w - 1);
            y = r.y + random_.between(0, r.h - 1);
            if (screen.hitTest(x, y) == control) return true;
        }
    }
    return false;
}

ScriptCommand Monkey::pointerMove(Kind kind, int x, int y) {
    ScriptCommand c;
    c.kind = kind;
    c.atPoint = true;
    c.x = x;
    c.y = y;
    return c;
}

ScriptCommand Monkey::clickOnSomething() {
    int x = 0, y = 0;
    if (!pickTarget(x, y)) randomPoint(x, y);
    return pointerMove(Kind::Click, x, y);
}

ScriptCommand Monkey::menuMove() {
    if (!game_.c.Menu1->Visible) {
        // Off to the menu, which Escape opens while the detective is free.
        ScriptCommand c;
        c.kind = Kind::Key;
        c.name = platform::keyName(Key::Escape);
        return c;
    }
    const core::Rect& r = game_.state.MenuRect[pickWeighted(random_, kMenuButtons).rect];
    if (r.Right <= r.Left || r.Bottom <= r.Top) return clickOnSomething();
    return pointerMove(Kind::Click, r.Left + random_.between(0, r.Right - r.Left - 1),
                       r.Top + random_.between(0, r.Bottom - r.Top - 1));
}

ScriptCommand Monkey::keyMove() {
    const Key key = pickWeighted(random_, kKeys).key;
    ScriptCommand c;
    c.name = platform::keyName(key);
    const bool held = std::any_of(held_.begin(), held_.end(), [key](const auto& h) { return h.first == key; });
    // Mostly a tap; now and then held down over the next few moves, as the
    // cave's walk and the bats' steering want.
    if (!held && random_.below(4) == 0) {
        c.kind = Kind::Hold;
        held_.emplace_back(key, random_.between(1, 4));
    } else {
        c.kind = Kind::Key;
    }
    return c;
}

ScriptCommand Monkey::waitMove() {
    ScriptCommand c;
    c.kind = Kind::Wait;
    const uint32_t roll = random_.below(100);
    // Mostly a moment; sometimes long enough for a line to run out, now
    // and then for an interlude, a movie or a rally to finish.
    if (roll < 60) {
        c.ms = random_.between(20, 500);
    } else if (roll < 90) {
        c.ms = random_.between(500, 3000);
    } else if (roll < 98) {
        c.ms = random_.between(3000, 15000);
    } else {
        c.ms = random_.between(15000, 60000);
    }
    return c;
}

ScriptCommand Monkey::nextMove() {
    // A held key whose time is up is let go first.
    for (auto it = held_.begin(); it != held_.end(); ++it) {
        if (--it->second > 0) continue;
        ScriptCommand c;
        c.kind = Kind::Release;
        c.name = platform::keyName(it->first);
        held_.erase(it);
        return c;
    }
    uint32_t roll = random_.below(kWeightTotal);
    auto take = [&roll](uint32_t weight) {
        if (roll < weight) return true;
        roll -= weight;
        return false;
    };
    int x = 0, y = 0;
    if (take(kWeights.clickTarget)) return clickOnSomething();
    if (take(kWeights.clickAnywhere)) {
        randomPoint(x, y);
        return pointerMove(Kind::Click, x, y);
    }
    if (take(kWeights.rightClick)) {
        if (random_.below(2) == 0 || !pickTarget(x, y)) randomPoint(x, y);
        return pointerMove(Kind::RightClick, x, y);
    }
    if (take(kWeights.key)) return keyMove();
    if (take(kWeights.intoInventory)) {
        // The bar's trigger strip reaches below the screen's edge: only the
        // part on the screen can be pointed at.
        const platform::Size size = game_.platform.screenSize();
        const core::Rect& r = game_.state.InventoryTriggerArea;
        const int right = std::min(r.Right, size.width), bottom = std::min(r.Bottom, size.height);
        const int left = std::max(r.Left, 0), top = std::max(r.Top, 0);
        if (right > left && bottom > top) {
            return pointerMove(Kind::Move, random_.between(left, right - 1), random_.between(top, bottom - 1));
        }
        randomPoint(x, y);
        return pointerMove(Kind::Move, x, y);
    }
    if (take(kWeights.pointerAnywhere)) {
        randomPoint(x, y);
        return pointerMove(Kind::Move, x, y);
    }
    if (take(kWeights.menu)) return menuMove();
    return waitMove();
}

// ---------------------------------------------------------------------------
// [SECTION] Play
// ---------------------------------------------------------------------------
MonkeyResult Monkey::play(uint64_t events) {
    MonkeyResult result;
    loop_.setTickObserver([this] {
        if (violation_) return;
        violation_ = checker_(game_);
        if (violation_) loop_.requestStop();
    });
    for (uint64_t event = 1; event <= events; ++event) {
        const ScriptCommand move = nextMove();
        lastMove_ = commandLine(move);
        std::string failure;
        runner_.execute(move, failure);
        result.eventsPlayed = event;
        if (violation_) {
            result.violation = violation_;
            result.failingEvent = event;
            break;
        }
        if (loop_.quit()) {
            result.closed = true;
            break;
        }
    }
    loop_.setTickObserver({});
    return result;
}

// ---------------------------------------------------------------------------
// [SECTION] The command line's run
// ---------------------------------------------------------------------------
namespace {

namespace fs = std::filesystem;

// What a game folder holds that the game reads or renames.
bool copyGameFolder(const fs::path& from, const fs::path& to, std::string& error) {
    std::error_code ec;
    fs::remove_all(to, ec);
    fs::create_directories(to, ec);
    if (ec) {
        error = "cannot make " + to.string() + ": " + ec.message();
        return false;
    }
    for (const char* name : {"form1.layout", "fonts.conf", "data.dat", "Cursors", "Animations"}) {
        if (!fs::exists(from / name)) continue;
        fs::copy(from / name, to / name, fs::copy_options::recursive, ec);
        if (ec) {
            error = "cannot copy " + (from / name).string() + ": " + ec.message();
            return false;
        }
    }
    for (const fs::directory_entry& e : fs::directory_iterator(from, ec)) {
        const std::string name = e.path().filename().string();
        if (name.starts_with("mmid") && name.ends_with(".mid")) fs::copy(e.path(), to / name, ec);
    }
    return true;
}

}  // namespace

int runMonkey(const std::string& gameDir, const std::string& fontsConf, uint64_t events, uint64_t seed,
              const std::string& scriptPath, std::ostream& out) {
    const std::string tag = std::to_string(seed) + "-" + std::to_string(getpid());
    const fs::path folder = fs::temp_directory_path() / ("kvarnel-monkey-" + tag);
    std::string error;
    if (!copyGameFolder(gameDir, folder, error)) {
        out << "kvarnel: " << error << "\n";
        return 1;
    }
    const std::string script =
        scriptPath.empty() ? (fs::temp_directory_path() / ("kvarnel-monkey-" + tag + ".script")).string() : scriptPath;

    int code = 0;
    {
        platform::HeadlessPlatform host({1024, 768}, platform::makeTtfTextRasterizer(fontsConf));
        RecordingPlatform recorder(host, script,
                                   RecordingOptions{.scripted = true, .gameFolder = folder.string() + "/"});
        Game game(recorder, folder.string() + "/");
        try {
            game.loadFromGameFolder();
        } catch (const layout::LayoutError& e) {
            out << "kvarnel: " << e.what() << "\n";
            fs::remove_all(folder);
            return 1;
        }
        game.create();
        GameLoop loop(game);
        loop.setDrawing(false);
        recorder.setDumper([&game, &loop](std::ostream& dumpOut) {
            std::ostringstream ignored;
            ScriptRunner(game, loop, ignored).dump(dumpOut);
        });
        Monkey monkey(game, loop, seed);
        const MonkeyResult result = monkey.play(events);
        recorder.finish();
        if (result.violation) {
            out << "monkey: seed " << seed << ", event " << result.failingEvent << " of " << events << " ("
                << monkey.lastMove() << "): invariant " << invariantName(result.violation->which)
                << " broken: " << result.violation->detail << "\n";
            std::ostringstream ignored;
            ScriptRunner(game, loop, ignored).dump(out);
            out << "monkey: the moves so far are in " << script << "; replay them with kvarnel --headless --script "
                << script << "\n";
            code = 1;
        } else if (result.closed) {
            out << "monkey: seed " << seed << ", event " << result.eventsPlayed << " of " << events << " ("
                << monkey.lastMove() << "): the game was closed; the moves are in " << script << "\n";
            code = 1;
        } else {
            out << "monkey: seed " << seed << ": " << events << " events played, no invariant broken\n";
        }
        if (!loop.quit()) game.close();
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (code == 0 && scriptPath.empty()) {
        fs::remove(script, ec);
        fs::remove(script + ".dump", ec);
    }
    return code;
}

}  // namespace kvarnel::app
