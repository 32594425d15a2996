// Scripted play: parsing and running.
#include "app/script.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "core/settings_file.h"
#include "layout/png_codec.h"
#include "platform/headless/headless_platform.h"
#include "platform/host_files.h"
#include "platform/log.h"
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
    bool atQuote() {
        skipSpace();
        return !rest.empty() && rest.front() == '"';
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

std::optional<platform::MouseButton> mouseButton(std::string_view name) {
    if (name == "MouseLeft") return platform::MouseButton::Left;
    if (name == "MouseRight") return platform::MouseButton::Right;
    return std::nullopt;
}

using Compare = ScriptCondition::Compare;

std::optional<Compare> comparison(std::string_view w) {
    if (w == "=") return Compare::Equal;
    if (w == "!=") return Compare::NotEqual;
    if (w == "<") return Compare::Less;
    if (w == "<=") return Compare::LessOrEqual;
    if (w == ">") return Compare::Greater;
    if (w == ">=") return Compare::GreaterOrEqual;
    return std::nullopt;
}

// "= or !=": for texts and colours.
bool equality(Cursor& c, ScriptCondition& out) {
    if (c.take("!=")) {
        out.compare = Compare::NotEqual;
        return true;
    }
    out.compare = Compare::Equal;
    return c.take("=");
}

// OP N for numbers; `what` names the number in the message.
std::string numericComparison(Cursor& c, ScriptCondition& out, const std::string& expected, const char* what) {
    const auto op = comparison(c.word());
    if (!op) return "expected " + expected + " (OP: = != < <= > >=)";
    out.compare = *op;
    out.number = number(c.word());
    if (!out.number) return std::string("the ") + what + " is not a number";
    return {};
}

// Reads one part of a condition up to its end, or up to the opening quote
// of the quoted text it ends in: that text's end depends on what follows
// it on the line, which parseConditions() works out. `textFollows` tells
// which.
std::string parseConditionHead(Cursor& c, ScriptCondition& out, bool& textFollows) {
    using K = ScriptCondition::Kind;
    textFollows = false;
    if (c.take("not")) out.negated = true;
    const std::string_view kind = c.word();
    const auto quotedNext = [&](const char* error) -> std::string {
        if (!c.atQuote()) return error;
        textFollows = true;
        return {};
    };
    if (kind == "shown" || kind == "hidden") {
        out.kind = kind == "shown" ? K::Shown : K::Hidden;
        out.name = std::string(c.word());
        if (out.name.empty()) return "a component name is missing";
    } else if (kind == "caption") {
        out.kind = K::Caption;
        out.name = std::string(c.word());
        if (out.name.empty()) return "a label name is missing";
        if (!equality(c, out)) return "expected = or != after the label name";
        return quotedNext("expected a quoted text");
    } else if (kind == "var") {
        out.kind = K::Var;
        out.name = std::string(c.word());
        const auto op = comparison(c.word());
        if (out.name.empty() || !op) return "expected var NAME OP VALUE (OP: = != < <= > >=)";
        out.compare = *op;
        if (c.atQuote()) {
            if (*op != Compare::Equal && *op != Compare::NotEqual) return "a text compares only with = or !=";
            textFollows = true;
            return {};
        }
        out.number = number(c.word());
        if (!out.number) return "the value is neither a number nor a quoted text";
    } else if (kind == "frame") {
        out.kind = K::Frame;
        out.name = std::string(c.word());
        if (out.name.empty()) return "expected frame NAME OP N";
        return numericComparison(c, out, "frame NAME OP N", "frame index");
    } else if (kind == "interval") {
        out.kind = K::Interval;
        out.name = std::string(c.word());
        if (out.name.empty()) return "expected interval NAME OP MS";
        return numericComparison(c, out, "interval NAME OP MS", "interval");
    } else if (kind == "cursor") {
        out.kind = K::Cursor;
        if (!equality(c, out)) return "expected cursor = \"FILE\"";
        return quotedNext("expected a quoted file name");
    } else if (kind == "called") {
        out.kind = K::Called;
        return quotedNext("expected called \"TEXT\"");
    } else if (kind == "pointer") {
        const std::string_view what = c.word();
        if (what == "shown" || what == "hidden") {
            out.kind = what == "shown" ? K::PointerShown : K::PointerHidden;
        } else if (what == "at") {
            out.kind = K::PointerAt;
            const auto x = number(c.word());
            const auto y = number(c.word());
            if (!x || !y) return "expected pointer at X Y";
            out.point = {static_cast<int>(*x), static_cast<int>(*y)};
        } else {
            return "expected pointer shown, pointer hidden or pointer at X Y";
        }
    } else if (kind == "playing" || kind == "enabled") {
        out.kind = kind == "playing" ? K::Playing : K::Enabled;
        out.name = std::string(c.word());
        if (out.name.empty()) return "a component name is missing";
    } else if (kind == "movie") {
        out.kind = K::Movie;
        out.name = std::string(c.word());
        if (out.name.empty() || !equality(c, out)) return "expected movie NAME = \"FILE\"";
        return quotedNext("expected a quoted file name");
    } else if (kind == "colour") {
        out.kind = K::Colour;
        out.name = std::string(c.word());
        if (out.name.empty() || !equality(c, out)) return "expected colour NAME = COLOUR";
        const std::string_view colour = c.word();
        const auto value = layout::colorFromName(colour);
        if (!value) return "unknown colour '" + std::string(colour) + "' (clBlack, clRed, clMaroon, ...)";
        out.number = *value;
    } else if (kind.empty()) {
        return "a condition is missing";
    } else {
        return "unknown condition '" + std::string(kind) + "'";
    }
    return {};
}

std::string_view trimEnd(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string parseConditions(std::string_view line, bool timeLimit, std::vector<ScriptCondition>& out,
                            std::optional<int64_t>& limit);

// What may follow a part: nothing, "and" with the next part, or (for wait
// until) the time limit.
std::string parseAfterPart(std::string_view rest, bool timeLimit, std::vector<ScriptCondition>& out,
                           std::optional<int64_t>& limit) {
    Cursor c{rest};
    if (c.atEnd()) return {};
    if (c.take("and")) return parseConditions(c.rest, timeLimit, out, limit);
    if (timeLimit) {
        const auto ms = number(c.word());
        if (!ms || *ms < 0) return "the time limit is not a number of milliseconds";
        if (!c.atEnd()) return "unexpected '" + std::string(c.rest) + "' at the end";
        limit = *ms;
        return {};
    }
    return "unexpected '" + std::string(c.rest) + "' at the end";
}

// Whether a quoted text may end at a quote followed by `after`: the line
// ends there, or goes on with " and", or (for wait until) with nothing but
// a number.
bool canEndText(std::string_view after, bool timeLimit) {
    Cursor c{after};
    if (c.atEnd()) return true;
    if (after.front() != ' ' && after.front() != '\t') return false;
    if (c.take("and")) return true;
    return timeLimit && number(c.word()) && c.atEnd();
}

// CONDITION [and CONDITION]... [MS], to the end of the line. A quoted text
// may contain quotes: it ends at the first quote where canEndText() allows
// and the rest of the line then reads; a text like `He said "no" and left`
// thus stays whole, since `left"` is no part of a condition.
std::string parseConditions(std::string_view line, bool timeLimit, std::vector<ScriptCondition>& out,
                            std::optional<int64_t>& limit) {
    Cursor c{line};
    c.skipSpace();
    const std::string_view start = c.rest;
    ScriptCondition part;
    bool textFollows = false;
    if (std::string err = parseConditionHead(c, part, textFollows); !err.empty()) return err;
    if (!textFollows) {
        part.source = std::string(trimEnd(start.substr(0, start.size() - c.rest.size())));
        out.push_back(std::move(part));
        return parseAfterPart(c.rest, timeLimit, out, limit);
    }
    const std::string_view quoted = c.rest;  // from the opening quote
    const auto readAs = [&](size_t close, std::vector<ScriptCondition>& parts, std::optional<int64_t>& ms) {
        part.text = std::string(quoted.substr(1, close - 1));
        const size_t consumed = start.size() - quoted.size() + close + 1;
        part.source = std::string(start.substr(0, consumed));
        parts.push_back(part);
        return parseAfterPart(quoted.substr(close + 1), timeLimit, parts, ms);
    };
    std::string firstError;
    size_t lastQuote = 0;
    for (size_t close = quoted.find('"', 1); close != std::string_view::npos; close = quoted.find('"', close + 1)) {
        lastQuote = close;
        if (!canEndText(quoted.substr(close + 1), timeLimit)) continue;
        std::vector<ScriptCondition> parts;
        std::optional<int64_t> ms;
        std::string err = readAs(close, parts, ms);
        if (err.empty()) {
            for (auto& p : parts) out.push_back(std::move(p));
            if (ms) limit = ms;
            return {};
        }
        if (firstError.empty()) firstError = std::move(err);
    }
    if (!firstError.empty()) return firstError;
    if (lastQuote == 0) return "the quoted text has no closing quote";
    // No quote may end the text: read it to the last one, so that the
    // message names what stands after it.
    return readAs(lastQuote, out, limit);
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
    } else if (verb == "key") {
        cmd.kind = K::Key;
        cmd.name = std::string(c.word());
        if (!validKey(cmd.name)) err = "unknown key '" + cmd.name + "' (Escape Space Left Right Up Down A S)";
    } else if (verb == "hold" || verb == "release") {
        cmd.name = std::string(c.word());
        if (const auto button = mouseButton(cmd.name)) {
            cmd.kind = verb == "hold" ? K::HoldButton : K::ReleaseButton;
            cmd.button = *button;
        } else {
            cmd.kind = verb == "hold" ? K::Hold : K::Release;
            if (!validKey(cmd.name)) {
                err = "unknown key or button '" + cmd.name +
                      "' (Escape Space Left Right Up Down A S MouseLeft MouseRight)";
            }
        }
    } else if (verb == "wait") {
        if (c.take("until")) {
            cmd.kind = K::WaitUntil;
            std::optional<int64_t> limit;
            err = parseConditions(c.rest, true, cmd.conditions, limit);
            c.rest = {};
            cmd.ms = limit.value_or(60000);
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
        std::optional<int64_t> noLimit;
        err = parseConditions(c.rest, false, cmd.conditions, noLimit);
        c.rest = {};
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
    } else if (verb == "clock") {
        cmd.kind = K::Clock;
        cmd.name = std::string(c.word());
        const std::string_view date = c.word();
        const std::string_view time = c.word();
        const auto calendar = parseCalendar(date, time);
        if ((cmd.name != "local" && cmd.name != "utc") || date.empty()) {
            err = "expected clock local|utc YYYY-MM-DD HH:MM:SS[.mmm]";
        } else if (!calendar) {
            err = "'" + std::string(date) + " " + std::string(time) +
                  "' is no valid date and time (YYYY-MM-DD HH:MM:SS[.mmm])";
        } else {
            cmd.calendar = *calendar;
        }
    } else if (verb == "focus") {
        cmd.kind = K::Focus;
        cmd.name = std::string(c.word());
        if (cmd.name != "lost" && cmd.name != "gained") err = "expected focus lost or focus gained";
    } else if (verb == "screen") {
        cmd.kind = K::Screen;
        const std::string size(c.word());
        char end = 0;
        if (std::sscanf(size.c_str(), "%dx%d%c", &cmd.x, &cmd.y, &end) != 2 || cmd.x <= 0 || cmd.y <= 0) {
            err = "expected screen WIDTHxHEIGHT";
        }
    } else if (verb == "data-file") {
        cmd.kind = K::DataFile;
        // A line of the file, from the first quote to the last, as it stands.
        c.skipSpace();
        if (c.take("none")) {
            cmd.name = "none";
        } else if (c.rest.size() >= 2 && c.rest.front() == '"' && c.rest.back() == '"') {
            cmd.dataLine = true;
            cmd.name = std::string(c.rest.substr(1, c.rest.size() - 2));
            c.rest = {};
        } else {
            err = "expected data-file none or data-file \"LINE\"";
        }
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

namespace {

// Includes nest at most this deep; a script that includes itself, directly
// or through others, is caught by the chain of files being read.
constexpr int kMaxIncludeDepth = 16;

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

struct ParseState {
    const ScriptReader& reader;
    std::vector<std::string> chain;  // the files being read, outermost first
    std::string milestone;
};

std::string verb(const ScriptCommand& c) {
    return c.source.substr(0, c.source.find(' '));
}

bool parseInto(std::string_view text, const std::string& fileName, ParseState& st, Script& script, std::string& error) {
    int lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // A '#' starts a comment, unless it stands inside a quoted text; a
        // line of data-file is taken whole, whatever it holds.
        bool inQuotes = false;
        const bool wholeLine = line.starts_with("data-file \"");
        for (size_t i = 0; i < line.size() && !wholeLine; ++i) {
            if (line[i] == '"') inQuotes = !inQuotes;
            if (line[i] == '#' && !inQuotes) {
                constexpr std::string_view kMilestone = "# Milestone:";
                std::string_view comment = line.substr(i);
                if (comment.starts_with(kMilestone)) {
                    comment.remove_prefix(kMilestone.size());
                    while (!comment.empty() && comment.front() == ' ') comment.remove_prefix(1);
                    st.milestone = std::string(comment);
                }
                line = line.substr(0, i);
                break;
            }
        }
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty()) continue;
        const std::string where = fileName + ":" + std::to_string(lineNo) + ": ";
        if (line.starts_with("include ") || line == "include") {
            std::string_view name = line.substr(7);
            while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
            if (name.empty()) {
                error = where + "a file name is missing";
                return false;
            }
            if (!st.reader) {
                error = where + "include is not possible here";
                return false;
            }
            const std::string path = name.front() == '/' ? std::string(name) : folderOf(fileName) + std::string(name);
            if (std::find(st.chain.begin(), st.chain.end(), path) != st.chain.end()) {
                error = where + "include of " + path + " would read it again inside itself";
                return false;
            }
            if (st.chain.size() >= kMaxIncludeDepth) {
                error = where + "includes nest deeper than " + std::to_string(kMaxIncludeDepth);
                return false;
            }
            const auto included = st.reader(path);
            if (!included) {
                error = where + "cannot read " + path;
                return false;
            }
            st.chain.push_back(path);
            if (!parseInto(*included, path, st, script, error)) return false;
            st.chain.pop_back();
            continue;
        }
        ScriptCommand cmd;
        cmd.line = lineNo;
        cmd.file = fileName;
        cmd.milestone = st.milestone;
        cmd.source = std::string(line);
        std::string err = parseLine(line, cmd);
        using K = ScriptCommand::Kind;
        if (err.empty() && (cmd.kind == K::Screen || cmd.kind == K::DataFile)) {
            // The host sets both up before start-up, so they must be known
            // before anything runs.
            if (std::any_of(script.commands.begin(), script.commands.end(),
                            [](const ScriptCommand& c) { return c.kind != K::Screen && c.kind != K::DataFile; })) {
                err = verb(cmd) + " must come before every other command";
            } else if (cmd.kind == K::Screen) {
                script.screen = platform::Size{cmd.x, cmd.y};
            } else if (!cmd.dataLine) {
                if (script.dataFile) err = "data-file none after lines of it";
                script.dataFile = std::nullopt;
                script.dataFileAbsent = true;
            } else if (script.dataFileAbsent) {
                err = "a line of data-file after data-file none";
            } else {
                script.dataFile = script.dataFile.value_or("") + cmd.name + "\r\n";
            }
        }
        if (!err.empty()) {
            error = where + err;
            return false;
        }
        script.commands.push_back(std::move(cmd));
    }
    return true;
}

}  // namespace

std::optional<Script> parseScript(std::string_view text, const std::string& fileName, std::string& error,
                                  const ScriptReader& reader) {
    Script script;
    script.fileName = fileName;
    ParseState st{reader, {fileName}, {}};
    if (!parseInto(text, fileName, st, script, error)) return std::nullopt;
    return script;
}

bool prepareDataFile(const Script& script, const std::string& gameFolder, std::string& error) {
    const std::string path = gameFolder + std::string(core::kDataFileName);
    // A replay in someone's own game folder must not cost them their
    // settings and saved game: the first replay that would change the file
    // keeps it beside, and later ones leave that copy alone.
    if ((script.dataFile || script.dataFileAbsent) && platform::host::exists(path)) {
        const auto own = platform::host::readWholeFile(path);
        const bool same = own && script.dataFile &&
                          std::equal(own->begin(), own->end(), script.dataFile->begin(), script.dataFile->end());
        const std::string kept = path + ".before-replay";
        if (own && !same && !platform::host::exists(kept)) {
            if (!platform::host::writeAtomically(kept, *own)) {
                error = "cannot keep " + path + " as " + kept + " before replacing it";
                return false;
            }
            logInfo("kept the folder's own " + path + " as " + kept);
        }
    }
    if (script.dataFile) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(script.dataFile->data());
        if (!platform::host::writeAtomically(path, std::span(bytes, script.dataFile->size()))) {
            error = "cannot write " + path + " as " + script.fileName + " names it";
            return false;
        }
    } else if (script.dataFileAbsent && platform::host::exists(path) && std::remove(path.c_str()) != 0) {
        error = "cannot remove " + path + " as " + script.fileName + " asks";
        return false;
    }
    return true;
}

std::optional<Script> loadScript(const std::string& path, std::string& error) {
    const ScriptReader reader = [](const std::string& file) -> std::optional<std::string> {
        const auto bytes = platform::host::readWholeFile(file);
        if (!bytes) return std::nullopt;
        return std::string(bytes->begin(), bytes->end());
    };
    const auto text = reader(path);
    if (!text) {
        error = "cannot read the script " + path;
        return std::nullopt;
    }
    return parseScript(*text, path, error, reader);
}

// ---------------------------------------------------------------------------
// Running
// ---------------------------------------------------------------------------
ScriptRunner::ScriptRunner(Game& game, GameLoop& loop, std::ostream& out)
    : game_(game), loop_(loop), out_(out), recorder_(dynamic_cast<RecordingPlatform*>(&game.platform)) {}

int ScriptRunner::run(const Script& script) {
    for (size_t i = 0; i < script.commands.size(); ++i) {
        const ScriptCommand& cmd = script.commands[i];
        std::string failure;
        if (!execute(cmd, failure)) {
            out_ << cmd.file << ":" << cmd.line << ": " << cmd.source << "\n  failed: " << failure << "\n";
            if (!cmd.milestone.empty()) out_ << "  after the milestone: " << cmd.milestone << "\n";
            return kScriptFailed;
        }
        // Closing the game (Exit on the menu) may end a script; it fails
        // only one that still has commands to run.
        if (loop_.quit() && i + 1 < script.commands.size()) {
            out_ << cmd.file << ":" << cmd.line << ": the game was closed\n";
            return kScriptFailed;
        }
    }
    return kScriptPassed;
}

namespace {
std::string quote(const std::string& s) {
    return "\"" + s + "\"";
}

bool compare(int64_t found, Compare op, int64_t wanted) {
    switch (op) {
        case Compare::Equal:
            return found == wanted;
        case Compare::NotEqual:
            return found != wanted;
        case Compare::Less:
            return found < wanted;
        case Compare::LessOrEqual:
            return found <= wanted;
        case Compare::Greater:
            return found > wanted;
        case Compare::GreaterOrEqual:
            return found >= wanted;
    }
    return false;
}

// Texts compare only for (in)equality; the parser allows nothing else.
bool compare(const std::string& found, Compare op, const std::string& wanted) {
    return (found == wanted) == (op == Compare::Equal);
}

std::string colourText(layout::TColor colour) {
    if (const auto name = layout::colorName(colour)) return std::string(*name);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%08X", static_cast<uint32_t>(colour));
    return hex;
}
}  // namespace

bool ScriptRunner::holds(const ScriptCondition& c, std::string& found) {
    using K = ScriptCondition::Kind;
    auto* headless = headlessOf(game_.platform);
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
            result = compare(label->Caption, c.compare, c.text);
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
                result = compare(*v, c.compare, *c.number);
            } else {
                const auto v = core::getString(game_.state, c.name);
                if (!v) {
                    found = "no text variable named " + c.name;
                    return false;
                }
                found = c.name + " = " + quote(*v);
                result = compare(*v, c.compare, c.text);
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
            result = compare(gif->FrameIndex, c.compare, *c.number);
            break;
        }
        case K::Cursor:
            found = "cursor " + quote(game_.state.LoadedCursorFile);
            result = compare(game_.state.LoadedCursorFile, c.compare, c.text);
            break;
        case K::Called: {
            if (!headless) {
                found = "no record of platform calls (not headless)";
                return false;
            }
            const auto calls = headless->callsStartingWith(c.text);
            found = std::to_string(calls.size()) + " such calls";
            result = !calls.empty();
            break;
        }
        case K::PointerShown:
        case K::PointerHidden: {
            // The count lives in the platform; only the headless one lets it
            // be read back.
            if (!headless) {
                found = "no pointer show/hide count (not headless)";
                return false;
            }
            const int count = headless->cursorCount();
            found = "pointer count " + std::to_string(count) + (count >= 0 ? " (shown)" : " (hidden)");
            result = (count >= 0) == (c.kind == K::PointerShown);
            break;
        }
        case K::PointerAt: {
            const platform::Point p = game_.platform.cursorPos();
            found = "pointer at " + std::to_string(p.x) + " " + std::to_string(p.y);
            result = p == c.point;
            break;
        }
        case K::Playing: {
            layout::Component* component = game_.layout.find(c.name);
            if (!component) {
                found = "no component named " + c.name;
                return false;
            }
            if (auto* movie = layout::as<layout::ShockwaveFlash>(component)) {
                result = game_.movies.playing(*movie);
                found = result ? "playing" : "not playing";
                // The game's own view: a control never started counts as
                // playing, and a script that trips over it should see why.
                if (game_.movies.file(*movie).empty()) found += " (never started)";
                break;
            }
            const auto& players = game_.c.Skladba;
            const auto it = std::find(players.begin(), players.end(), layout::as<layout::MediaPlayer>(component));
            if (it == players.end() || !*it) {
                found = c.name + " is neither a movie control nor a music player Skladba1..Skladba6";
                return false;
            }
            if (!headless) {
                found = "no record of the music players (not headless)";
                return false;
            }
            result = headless->media().playing(static_cast<int>(it - players.begin()), game_.platform.nowMs());
            found = result ? "playing" : "not playing";
            break;
        }
        case K::Movie: {
            auto* movie = game_.layout.findAs<layout::ShockwaveFlash>(c.name);
            if (!movie) {
                found = "no movie control named " + c.name;
                return false;
            }
            // Scripts name the file as the game does below its folder, so
            // they do not depend on where the game folder lies.
            std::string file = game_.movies.file(*movie);
            if (file.starts_with(game_.programFolder)) file.erase(0, game_.programFolder.size());
            found = "movie " + quote(file);
            result = compare(file, c.compare, c.text);
            break;
        }
        case K::Enabled:
        case K::Interval: {
            layout::Component* component = game_.layout.find(c.name);
            bool enabled = false;
            int32_t interval = 0;
            if (auto* timer = layout::as<layout::Timer>(component)) {
                enabled = timer->Enabled;
                interval = timer->Interval;
            } else if (auto* dxTimer = layout::as<layout::DXTimer>(component)) {
                enabled = dxTimer->Enabled;
                interval = dxTimer->Interval;
            } else {
                found = "no timer named " + c.name;
                return false;
            }
            if (c.kind == K::Enabled) {
                found = enabled ? "enabled" : "disabled";
                result = enabled;
            } else {
                found = "interval " + std::to_string(interval);
                result = compare(interval, c.compare, *c.number);
            }
            break;
        }
        case K::Colour: {
            auto* label = game_.layout.findAs<layout::Label>(c.name);
            if (!label) {
                found = "no label named " + c.name;
                return false;
            }
            found = "colour " + colourText(label->Font_.Color);
            result = compare(label->Font_.Color, c.compare, *c.number);
            break;
        }
    }
    return result != c.negated;
}

bool ScriptRunner::holdsAll(const std::vector<ScriptCondition>& parts, std::string& found) {
    if (parts.size() == 1) return holds(parts.front(), found);
    bool all = true;
    found.clear();
    for (const ScriptCondition& part : parts) {
        std::string seen;
        const bool ok = holds(part, seen);
        all = all && ok;
        found += "\n    " + part.source + (ok ? " holds: " : " fails: ") + seen;
    }
    return all;
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

namespace {
// holdsAll() gives several parts a line each.
std::string foundText(const std::string& found) {
    return found.starts_with('\n') ? "found" + found : "found " + found;
}

// A command that acts on the game, told to a recording around its run.
class RecordedCommand {
public:
    RecordedCommand(RecordingPlatform* recorder, const std::string& line) : recorder_(recorder) {
        if (recorder_) recorder_->beginCommand(line);
    }
    ~RecordedCommand() {
        if (recorder_) recorder_->endCommand();
    }
    RecordedCommand(const RecordedCommand&) = delete;
    RecordedCommand& operator=(const RecordedCommand&) = delete;

private:
    RecordingPlatform* recorder_;
};

std::string pointLine(const char* verb, int x, int y) {
    return std::string(verb) + " " + std::to_string(x) + " " + std::to_string(y);
}
}  // namespace

bool ScriptRunner::execute(const ScriptCommand& c, std::string& failure) {
    using K = ScriptCommand::Kind;
    platform::Platform& p = game_.platform;
    switch (c.kind) {
        case K::Click:
        case K::RightClick:
        case K::Move: {
            int x = 0, y = 0;
            if (!pointOf(c, x, y, failure)) return false;
            const RecordedCommand recorded(recorder_, pointLine(c.kind == K::Move    ? "move"
                                                                : c.kind == K::Click ? "click"
                                                                                     : "rclick",
                                                                x, y));
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
            const RecordedCommand recorded(recorder_, "key " + c.name);
            const auto key = *platform::keyFromName(c.name);
            p.setKeyOverride(key, true);
            loop_.runOneTick();
            p.setKeyOverride(key, false);
            return true;
        }
        case K::Hold:
        case K::Release: {
            const RecordedCommand recorded(recorder_, (c.kind == K::Hold ? "hold " : "release ") + c.name);
            p.setKeyOverride(*platform::keyFromName(c.name), c.kind == K::Hold);
            return true;
        }
        case K::HoldButton:
        case K::ReleaseButton: {
            const RecordedCommand recorded(recorder_, (c.kind == K::HoldButton ? "hold " : "release ") + c.name);
            // Where the pointer already is: a drag is a hold, moves, a release.
            platform::Event e;
            e.type = c.kind == K::HoldButton ? platform::Event::Type::MouseDown : platform::Event::Type::MouseUp;
            e.button = c.button;
            e.position = p.cursorPos();
            p.pushEvent(e);
            loop_.pass();
            return true;
        }
        case K::Wait:
            loop_.runUntil(p.nowMs() + static_cast<uint64_t>(c.ms));
            return true;
        case K::WaitUntil: {
            const uint64_t deadline = p.nowMs() + static_cast<uint64_t>(c.ms);
            std::string found;
            while (!holdsAll(c.conditions, found)) {
                if (p.nowMs() >= deadline || loop_.quit()) {
                    failure = "still not so after " + std::to_string(c.ms) + " ms; " + foundText(found);
                    return false;
                }
                loop_.runOneTick();
            }
            return true;
        }
        case K::Expect: {
            std::string found;
            if (holdsAll(c.conditions, found)) return true;
            failure = foundText(found);
            return false;
        }
        case K::Dump:
            dump(out_);
            return true;
        case K::StartScene: {
            const RecordedCommand recorded(recorder_, "start-scene " + c.name);
            story::startAtScene(game_.ctx, *scenes::sceneByName(c.name));
            loop_.pass();
            return true;
        }
        case K::Set: {
            bool done = game_.setVariable(c.name, c.ms);
            // A count label (Penez, Pitiva, body) shows its number as its caption.
            if (auto* label = game_.layout.findAs<layout::Label>(c.name); !done && label) {
                game_.screen->setCaption(*label, std::to_string(c.ms));
                done = true;
            }
            if (!done) {
                failure = "no number variable, story flag or label named " + c.name;
                return false;
            }
            // No pass runs for it, so it is told once done.
            const RecordedCommand recorded(recorder_, "set " + c.name + " " + std::to_string(c.ms));
            return true;
        }
        case K::Clock: {
            auto* headless = headlessOf(p);
            if (!headless) {
                failure = "the calendar can only be set on the headless platform";
                return false;
            }
            if (c.name == "utc") {
                headless->setUtcTime(c.calendar);
            } else {
                headless->setLocalTime(c.calendar);
            }
            return true;
        }
        case K::Focus: {
            auto* headless = headlessOf(p);
            if (!headless) {
                failure = "the focus can only be set on the headless platform";
                return false;
            }
            const RecordedCommand recorded(recorder_, "focus " + c.name);
            headless->setActive(c.name == "gained");
            return true;
        }
        case K::Screen:
        case K::DataFile:
            return true;  // the host set them up before start-up
        case K::ForgetCalls:
            if (auto* headless = headlessOf(p)) headless->calls.clear();
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
