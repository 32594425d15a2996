// Scripted play: parsing and running.
#include "app/script.h"

#include <charconv>
#include <sstream>

#include "layout/png_codec.h"
#include "platform/headless/headless_platform.h"
#include "scenes/context.h"
#include "story/movies.h"

namespace kvarnel::app {

// ---------------------------------------------------------------------------
// Parsing
// ---------------------------------------------------------------------------
namespace {

struct Cursor {
    std::string_view rest;

    void skipSpace() {
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    }
    bool atEnd() {
        skipSpace();
        return rest.empty();
    }
    std::string_view word() {
        skipSpace();
        size_t n = 0;
        while (n < rest.size() && rest[n] != ' ' && rest[n] != '\t') ++n;
        std::string_view w = rest.substr(0, n);
        rest.remove_prefix(n);
        return w;
    }
    bool take(std::string_view w) {
        skipSpace();
        if (rest.substr(0, w.size()) != w) return false;
        if (rest.size() > w.size() && rest[w.size()] != ' ' && rest[w.size()] != '\t') return false;
        rest.remove_prefix(w.size());
        return true;
    }
    // "TEXT" up to the last quote of the line, so quotes inside stay.
    std::optional<std::string> quoted() {
        skipSpace();
        if (rest.empty() || rest.front() != '"') return std::nullopt;
        const size_t last = rest.find_last_of('"');
        if (last == 0) return std::nullopt;
        std::string text(rest.substr(1, last - 1));
        rest.remove_prefix(last + 1);
        return text;
    }
};

std::optional<int64_t> number(std::string_view w) {
    int64_t v = 0;
    const auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || p != w.data() + w.size()) return std::nullopt;
    return v;
}

bool validKey(std::string_view name) {
    return platform::keyFromName(name).has_value();
}

std::string parseCondition(Cursor& c, ScriptCondition& out) {
    if (c.take("not")) out.negated = true;
    const std::string_view kind = c.word();
    if (kind == "shown" || kind == "hidden") {
        out.kind = kind == "shown" ? ScriptCondition::Kind::Shown : ScriptCondition::Kind::Hidden;
        out.name = std::string(c.word());
        if (out.name.empty()) return "a component name is missing";
    } else if (kind == "caption") {
        out.kind = ScriptCondition::Kind::Caption;
        out.name = std::string(c.word());
        if (out.name.empty()) return "a label name is missing";
        if (c.take("!=")) {
            out.notEqual = true;
        } else if (!c.take("=")) {
            return "expected = or != after the label name";
        }
        auto text = c.quoted();
        if (!text) return "expected a quoted text";
        out.text = std::move(*text);
    } else if (kind == "var") {
        out.kind = ScriptCondition::Kind::Var;
        out.name = std::string(c.word());
        if (out.name.empty() || !c.take("=")) return "expected var NAME = VALUE";
        c.skipSpace();
        if (!c.rest.empty() && c.rest.front() == '"') {
            auto text = c.quoted();
            if (!text) return "unterminated text";
            out.text = std::move(*text);
        } else {
            out.number = number(c.word());
            if (!out.number) return "the value is neither a number nor a quoted text";
        }
    } else if (kind == "frame") {
        out.kind = ScriptCondition::Kind::Frame;
        out.name = std::string(c.word());
        if (out.name.empty() || !c.take("=")) return "expected frame NAME = N";
        out.number = number(c.word());
        if (!out.number) return "the frame index is not a number";
    } else if (kind == "cursor") {
        out.kind = ScriptCondition::Kind::Cursor;
        if (!c.take("=")) return "expected cursor = \"FILE\"";
        auto text = c.quoted();
        if (!text) return "expected a quoted file name";
        out.text = std::move(*text);
    } else if (kind == "called") {
        out.kind = ScriptCondition::Kind::Called;
        auto text = c.quoted();
        if (!text) return "expected called \"TEXT\"";
        out.text = std::move(*text);
    } else {
        return "unknown condition '" + std::string(kind) + "'";
    }
    return {};
}

std::string parseTarget(Cursor& c, ScriptCommand& cmd) {
    const std::string_view first = c.word();
    if (first.empty()) return "a component name or a point is missing";
    if (const auto x = number(first)) {
        const auto y = number(c.word());
        if (!y) return "expected X Y";
        cmd.atPoint = true;
        cmd.x = static_cast<int>(*x);
        cmd.y = static_cast<int>(*y);
    } else {
        cmd.name = std::string(first);
    }
    return {};
}

std::string parseLine(std::string_view line, ScriptCommand& cmd) {
    Cursor c{line};
    const std::string_view verb = c.word();
    using K = ScriptCommand::Kind;
    std::string err;
    if (verb == "click" || verb == "rclick" || verb == "move") {
        cmd.kind = verb == "click" ? K::Click : verb == "rclick" ? K::RightClick : K::Move;
        err = parseTarget(c, cmd);
    } else if (verb == "key" || verb == "hold" || verb == "release") {
        cmd.kind = verb == "key" ? K::Key : verb == "hold" ? K::Hold : K::Release;
        cmd.name = std::string(c.word());
        if (!validKey(cmd.name)) err = "unknown key '" + cmd.name + "' (Escape Space Left Right Up Down A S)";
    } else if (verb == "wait") {
        if (c.take("until")) {
            cmd.kind = K::WaitUntil;
            err = parseCondition(c, cmd.condition);
            cmd.ms = 60000;
            if (err.empty() && !c.atEnd()) {
                const auto ms = number(c.word());
                if (!ms || *ms < 0) {
                    err = "the time limit is not a number of milliseconds";
                } else {
                    cmd.ms = *ms;
                }
            }
        } else {
            cmd.kind = K::Wait;
            const auto ms = number(c.word());
            if (!ms || *ms < 0) {
                err = "expected wait MS or wait until CONDITION";
            } else {
                cmd.ms = *ms;
            }
        }
    } else if (verb == "expect") {
        cmd.kind = K::Expect;
        err = parseCondition(c, cmd.condition);
    } else if (verb == "dump") {
        cmd.kind = K::Dump;
    } else if (verb == "start-scene") {
        cmd.kind = K::StartScene;
        cmd.name = std::string(c.word());
        if (!scenes::sceneByName(cmd.name)) err = "no location is called '" + cmd.name + "'";
    } else if (verb == "set") {
        cmd.kind = K::Set;
        cmd.name = std::string(c.word());
        const auto v = number(c.word());
        if (cmd.name.empty() || !v) {
            err = "expected set NAME NUMBER";
        } else {
            cmd.ms = *v;
        }
    } else if (verb == "forget") {
        cmd.kind = K::ForgetCalls;
        if (!c.take("calls")) err = "expected forget calls";
    } else if (verb == "screenshot") {
        cmd.kind = K::Screenshot;
        cmd.name = std::string(c.word());
        if (cmd.name.empty()) err = "a file name is missing";
    } else {
        err = "unknown command '" + std::string(verb) + "'";
    }
    if (err.empty() && !c.atEnd()) err = "unexpected '" + std::string(c.rest) + "' at the end";
    return err;
}

}  // namespace

std::optional<Script> parseScript(std::string_view text, const std::string& fileName, std::string& error) {
    Script script;
    script.fileName = fileName;
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // A '#' starts a comment, unless it stands inside a quoted text.
        bool inQuotes = false;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '"') inQuotes = !inQuotes;
            if (line[i] == '#' && !inQuotes) {
                line = line.substr(0, i);
                break;
            }
        }
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty()) continue;
        ScriptCommand cmd;
        cmd.line = lineNo;
        cmd.source = std::string(line);
        const std::string err = parseLine(line, cmd);
        if (!err.empty()) {
            error = fileName + ":" + std::to_string(lineNo) + ": " + err;
            return std::nullopt;
        }
        script.commands.push_back(std::move(cmd));
    }
    return script;
}

// ---------------------------------------------------------------------------
// Running
// ---------------------------------------------------------------------------
ScriptRunner::ScriptRunner(Game& game, GameLoop& loop, std::ostream& out) : game_(game), loop_(loop), out_(out) {}

int ScriptRunner::run(const Script& script) {
    for (const auto& cmd : script.commands) {
        std::string failure;
        if (!execute(cmd, failure)) {
            out_ << script.fileName << ":" << cmd.line << ": " << cmd.source << "\n  failed: " << failure << "\n";
            return kScriptFailed;
        }
        if (loop_.quit()) {
            out_ << script.fileName << ":" << cmd.line << ": the game was closed\n";
            return kScriptFailed;
        }
    }
    return kScriptPassed;
}

namespace {
std::string quote(const std::string& s) {
    return "\"" + s + "\"";
}
}  // namespace

bool ScriptRunner::holds(const ScriptCondition& c, std::string& found) {
    using K = ScriptCondition::Kind;
    bool result = false;
    switch (c.kind) {
        case K::Shown:
        case K::Hidden: {
            auto* ctl = game_.layout.findAs<layout::Control>(c.name);
            if (!ctl) {
                found = "no control named " + c.name;
                return false;
            }
            found = ctl->Visible ? "shown" : "hidden";
            result = ctl->Visible == (c.kind == K::Shown);
            break;
        }
        case K::Caption: {
            auto* label = game_.layout.findAs<layout::Label>(c.name);
            if (!label) {
                found = "no label named " + c.name;
                return false;
            }
            found = "caption " + quote(label->Caption);
            result = (label->Caption == c.text) != c.notEqual;
            break;
        }
        case K::Var: {
            if (c.number) {
                const auto v = game_.variable(c.name);
                if (!v) {
                    found = "no number variable or story flag named " + c.name;
                    return false;
                }
                found = c.name + " = " + std::to_string(*v);
                result = *v == *c.number;
            } else {
                const auto v = core::getString(game_.state, c.name);
                if (!v) {
                    found = "no text variable named " + c.name;
                    return false;
                }
                found = c.name + " = " + quote(*v);
                result = *v == c.text;
            }
            break;
        }
        case K::Frame: {
            auto* gif = game_.layout.findAs<layout::GifAnimator>(c.name);
            if (!gif) {
                found = "no animated GIF named " + c.name;
                return false;
            }
            found = "frame " + std::to_string(gif->FrameIndex);
            result = gif->FrameIndex == *c.number;
            break;
        }
        case K::Cursor:
            found = "cursor " + quote(game_.state.LoadedCursorFile);
            result = game_.state.LoadedCursorFile == c.text;
            break;
        case K::Called: {
            auto* headless = dynamic_cast<platform::HeadlessPlatform*>(&game_.platform);
            if (!headless) {
                found = "no record of platform calls (not headless)";
                return false;
            }
            const auto calls = headless->callsStartingWith(c.text);
            found = std::to_string(calls.size()) + " such calls";
            result = !calls.empty();
            break;
        }
    }
    return result != c.negated;
}

bool ScriptRunner::pointOf(const ScriptCommand& c, int& x, int& y, std::string& failure) {
    if (c.atPoint) {
        x = c.x;
        y = c.y;
        return true;
    }
    auto* ctl = game_.layout.findAs<layout::Control>(c.name);
    if (!ctl) {
        failure = "no control named " + c.name;
        return false;
    }
    const layout::ScreenRect r = game_.screen->visibleRect(*ctl);
    if (r.empty()) {
        failure = c.name + " is not on the screen";
        return false;
    }
    x = r.x + r.w / 2;
    y = r.y + r.h / 2;
    if (game_.screen->hitTest(x, y) == ctl) return true;
    // Something lies over its centre: aim where it shows, as a player would.
    for (int py = r.y; py < r.y + r.h; py += 2) {
        for (int px = r.x; px < r.x + r.w; px += 2) {
            if (game_.screen->hitTest(px, py) == ctl) {
                x = px;
                y = py;
                return true;
            }
        }
    }
    return true;  // covered everywhere: whatever lies on top gets it
}

void ScriptRunner::clickAt(int x, int y, platform::MouseButton button) {
    platform::Platform& p = game_.platform;
    p.setCursorPos({x, y});
    platform::Event e;
    e.type = platform::Event::Type::MouseMove;
    e.position = {x, y};
    p.pushEvent(e);
    e.type = platform::Event::Type::MouseDown;
    e.button = button;
    p.pushEvent(e);
    e.type = platform::Event::Type::MouseUp;
    p.pushEvent(e);
    loop_.pass();
}

bool ScriptRunner::execute(const ScriptCommand& c, std::string& failure) {
    using K = ScriptCommand::Kind;
    platform::Platform& p = game_.platform;
    switch (c.kind) {
        case K::Click:
        case K::RightClick:
        case K::Move: {
            int x = 0, y = 0;
            if (!pointOf(c, x, y, failure)) return false;
            if (c.kind == K::Move) {
                p.setCursorPos({x, y});
                platform::Event e;
                e.type = platform::Event::Type::MouseMove;
                e.position = {x, y};
                p.pushEvent(e);
                loop_.pass();
            } else {
                clickAt(x, y, c.kind == K::Click ? platform::MouseButton::Left : platform::MouseButton::Right);
            }
            return true;
        }
        case K::Key: {
            const auto key = *platform::keyFromName(c.name);
            p.setKeyOverride(key, true);
            loop_.runOneTick();
            p.setKeyOverride(key, false);
            return true;
        }
        case K::Hold:
        case K::Release:
            p.setKeyOverride(*platform::keyFromName(c.name), c.kind == K::Hold);
            return true;
        case K::Wait:
            loop_.runUntil(p.nowMs() + static_cast<uint64_t>(c.ms));
            return true;
        case K::WaitUntil: {
            const uint64_t deadline = p.nowMs() + static_cast<uint64_t>(c.ms);
            std::string found;
            while (!holds(c.condition, found)) {
                if (p.nowMs() >= deadline || loop_.quit()) {
                    failure = "still not so after " + std::to_string(c.ms) + " ms; found " + found;
                    return false;
                }
                loop_.runOneTick();
            }
            return true;
        }
        case K::Expect: {
            std::string found;
            if (holds(c.condition, found)) return true;
            failure = "found " + found;
            return false;
        }
        case K::Dump:
            dump(out_);
            return true;
        case K::StartScene:
            story::startAtScene(game_.ctx, *scenes::sceneByName(c.name));
            loop_.pass();
            return true;
        case K::Set:
            if (!game_.setVariable(c.name, c.ms)) {
                failure = "no number variable or story flag named " + c.name;
                return false;
            }
            return true;
        case K::ForgetCalls:
            if (auto* headless = dynamic_cast<platform::HeadlessPlatform*>(&p)) headless->calls.clear();
            return true;
        case K::Screenshot: {
            const std::vector<uint8_t> png = layout::encodePng(loop_.framebuffer());
            if (!p.writeFileAtomically(c.name, png)) {
                failure = "cannot write " + c.name;
                return false;
            }
            return true;
        }
    }
    return true;
}

void ScriptRunner::dump(std::ostream& out) {
    out << "--- state at " << game_.platform.nowMs() << " ms\n";
    out << "panels shown:";
    for (layout::Control* c : game_.layout.form().children) {
        if (c->componentClass() == layout::ComponentClass::Panel && c->Visible && c != game_.c.SPanel) {
            out << ' ' << c->Name;
        }
    }
    out << "\nstory flags shown:";
    for (auto name : core::kStoryFlagNames) {
        if (scenes::storyFlag(game_.ctx, name)) out << ' ' << name;
    }
    out << "\nitems:";
    for (const char* item : {"Money", "Food", "Bottle", "Shovel", "Rope", "LockPick", "Knife"}) {
        const std::string has = std::string("Has") + item;
        if (game_.variable(has).value_or(0) == 1) {
            out << ' ' << item << "@" << game_.variable(std::string(item) + "Slot").value_or(-1);
        }
    }
    out << "\n";
    for (const char* name : {"Popis", "Rozhovor", "Penez", "Pitiva"}) {
        if (auto* label = game_.layout.findAs<layout::Label>(name)) out << name << ": \"" << label->Caption << "\"\n";
    }
    out << "changed variables:";
    for (const core::VariableInfo& v : core::allVariables()) {
        const std::string now = core::formatValue(game_.state, v);
        if (now != core::formatValue(game_.startState, v)) out << "\n  " << v.name << " = " << now;
    }
    out << "\n";
}

}  // namespace kvarnel::app
