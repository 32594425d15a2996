// A check of the conversation scripts that needs no copy of their text: each
// character's script is a graph whose edges are captions. A line that some
// opening, choice, answer or earlier step puts into Rozhovor leads to the
// step it triggers; a mistyped caption breaks an edge, and the check names
// it. Checked in both languages:
//   - every step's trigger is a line that something puts into Rozhovor;
//   - every line timed on the talk countdown triggers a step of its
//     character (or of the warrior's steps that run anywhere);
//   - every reply caption, once clicked, triggers such a step.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "scenes/exits.h"
#include "scenes/item_use.h"
#include "scenes/ranger_lines.h"
#include "scenes/sheriff_lines.h"
#include "story/conversation.h"
#include "story/script.h"
#include "story/sequences.h"

namespace kvarnel::story {
namespace {

using scenes::ItemUse;
using scenes::Op;
using scenes::OpKind;
using scenes::Text;
using scenes::Timing;

// One character's steps with everything that leads into them.
struct Family {
    std::string name{};
    std::vector<const StepGroup*> groups{};
    const Character* character = nullptr;
    // Lines timed on the talk countdown from outside the rows (answers to
    // items, sequences).
    std::vector<Text> talkLinesFromOutside{};
    // Reply captions set from outside the rows.
    std::vector<Text> choicesFromOutside{};
};

// Triggers a script leaves in Czech only, on purpose: the old man's refusal
// of a second bottle is timed on the speech countdown, which ends the
// exchange in English as well.
const std::set<std::string> kCzechOnlyTriggers = {
    "Hoch, chlapče rozdávačná, aby ti taky nějaká ta Becherovka zbyla. To už nemohu přijmout, ale děkuji za "
    "nabídku."};

std::string_view in(const Text& t, int language) {
    return language == 1 ? t.cz : t.en;
}

struct Problems {
    std::vector<std::string> list;
    void add(const std::string& family, const std::string& what, std::string_view caption, int language) {
        list.push_back(family + ": " + what + " (" + (language == 1 ? "Czech" : "English") + "): \"" +
                       std::string(caption) + "\"");
    }
};

void collect(std::span<const Op> rows, std::vector<Text>& said, std::vector<Text>& choices) {
    for (const Op& o : rows) {
        if (o.kind == OpKind::Say && !o.text.cz.empty()) said.push_back(o.text);
        if (o.kind == OpKind::Choice && !o.text.cz.empty()) choices.push_back(o.text);
    }
}

// The line a row list leaves in Rozhovor: its last Say (empty when it
// empties Rozhovor, nullopt when it says nothing).
std::optional<Text> lastSaid(std::span<const Op> rows) {
    std::optional<Text> line;
    for (const Op& o : rows) {
        if (o.kind == OpKind::Say) line = o.text;
    }
    return line;
}

std::vector<std::string> checkFamily(const Family& f, std::span<const StepGroup* const> anywhere) {
    Problems p;
    std::vector<Text> said, choices;
    std::vector<const Step*> steps, reachable;
    for (const StepGroup* g : f.groups) {
        for (const Step& st : g->steps) {
            steps.push_back(&st);
            collect(st.actions, said, choices);
        }
        said.insert(said.end(), g->linesFromOutside.begin(), g->linesFromOutside.end());
        choices.insert(choices.end(), g->choicesFromCode.begin(), g->choicesFromCode.end());
    }
    reachable = steps;
    for (const StepGroup* g : anywhere) {
        for (const Step& st : g->steps) reachable.push_back(&st);
    }
    choices.insert(choices.end(), f.choicesFromOutside.begin(), f.choicesFromOutside.end());
    std::vector<Text> talkTimed = f.talkLinesFromOutside;
    if (f.character) {
        collect(f.character->opening, said, choices);
        // An opening line timed on the talk countdown: the last line said
        // under the same condition before the timing row.
        for (size_t i = 0; i < f.character->opening.size(); ++i) {
            const Op& t = f.character->opening[i];
            if (t.kind != OpKind::Time || t.timing != Timing::Talk) continue;
            for (size_t j = i; j-- > 0;) {
                const Op& o = f.character->opening[j];
                if (o.kind == OpKind::Say && o.when == t.when) {
                    if (!o.text.cz.empty()) talkTimed.push_back(o.text);
                    break;
                }
            }
        }
    }
    for (const Step* st : steps) {
        if (st->timing != Timing::Talk) continue;
        if (auto line = lastSaid(st->actions); line && !line->cz.empty()) talkTimed.push_back(*line);
    }

    auto isTrigger = [&](std::string_view caption, int language) {
        for (const Step* st : reachable) {
            if (in(st->after, language) == caption) return true;
            if (language == 2 && st->after.en.empty() && st->after.cz == caption) return true;
        }
        return false;
    };
    for (int language : {1, 2}) {
        std::set<std::string_view> put;
        for (const Text& t : said) put.insert(in(t, language));
        for (const Text& t : choices) put.insert(in(t, language));
        for (const Step* st : steps) {
            const std::string_view trigger = in(st->after, language);
            if (trigger.empty()) {
                if (language == 2 && kCzechOnlyTriggers.count(std::string(st->after.cz))) continue;
                p.add(f.name, "a step has no trigger", st->after.cz, language);
            } else if (!put.count(trigger)) {
                p.add(f.name, "nothing puts this trigger into Rozhovor", trigger, language);
            }
        }
        for (const Text& t : talkTimed) {
            if (!isTrigger(in(t, language), language))
                p.add(f.name, "a line timed on the talk countdown leads nowhere", in(t, language), language);
        }
        for (const Text& t : choices) {
            if (!isTrigger(in(t, language), language))
                p.add(f.name, "a reply leads nowhere when clicked", in(t, language), language);
        }
    }
    return p.list;
}

const Character* characterNamed(std::string_view name) {
    for (const Character* ch : characters()) {
        if (ch->name == name) return ch;
    }
    return nullptr;
}

// The answers to items that go on into a conversation.
std::vector<Text> talkTimedAnswers(ItemUse who) {
    std::vector<Text> out;
    if (const scenes::ItemUseProcedure* p = scenes::itemUseProcedure(who)) {
        for (const scenes::ItemReply& r : p->replies) {
            if (r.goesOn) out.push_back(r.plain);
        }
    }
    return out;
}

std::vector<Family> families() {
    std::vector<Family> out = {
        {.name = "ranger",
         .groups = {&kRangerSteps},
         .character = characterNamed("ranger"),
         // His warning at the exit, and his answers to the rope and the coins.
         .talkLinesFromOutside = {scenes::kRangerWarning, scenes::kRangerR69, scenes::kRangerR70, scenes::kRangerR71,
                                  scenes::kRangerR72}},
        {.name = "sheriff",
         .groups = {&kSheriffSteps},
         .character = characterNamed("sheriff"),
         .talkLinesFromOutside = {scenes::kSheriffKnowsTheKnife}},
        {.name = "druid", .groups = {&kDruidSteps}, .character = characterNamed("druid")},
        {.name = "Bush Man",
         .groups = {&kBushManSteps},
         .character = characterNamed("Bush Man"),
         // His thanks when the daughter is brought home.
         .talkLinesFromOutside = {bushManThanksLine()}},
        {.name = "mayor", .groups = {&kMayorSteps}, .character = characterNamed("mayor")},
        {.name = "publican",
         .groups = {&kPublicanSteps},
         .character = characterNamed("publican"),
         .talkLinesFromOutside = talkTimedAnswers(ItemUse::Publican)},
        {.name = "old man",
         .groups = {&kOldManSteps},
         .character = characterNamed("old man"),
         // The end of the four hours: a line of his and his first reply again.
         .talkLinesFromOutside = {fourHoursLaterLine()},
         .choicesFromOutside = {fourHoursLaterChoice()}},
        {.name = "warrior", .groups = {&kWarriorSteps, &kWarriorStepsAnywhere}, .character = characterNamed("warrior")},
    };
    return out;
}

std::span<const StepGroup* const> anywhereGroups() {
    static const std::vector<const StepGroup*> groups = [] {
        std::vector<const StepGroup*> out;
        for (const StepGroup* g : stepGroups()) {
            if (!g->scene) out.push_back(g);
        }
        return out;
    }();
    return groups;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

TEST(ConversationGraphTest, EveryCharactersScriptIsConnectedInBothLanguages) {
    for (const Family& f : families()) {
        const std::vector<std::string> problems = checkFamily(f, anywhereGroups());
        EXPECT_TRUE(problems.empty()) << joined(problems);
    }
}

TEST(ConversationGraphTest, EveryGroupAndCharacterBelongsToAFamily) {
    std::set<const StepGroup*> covered;
    std::set<const Character*> characterCovered;
    for (const Family& f : families()) {
        covered.insert(f.groups.begin(), f.groups.end());
        if (f.character) characterCovered.insert(f.character);
    }
    for (const StepGroup* g : stepGroups()) EXPECT_TRUE(covered.count(g)) << g->name;
    for (const Character* ch : characters()) EXPECT_TRUE(characterCovered.count(ch)) << ch->name;
}

// The check itself: one letter changed in one place of a copy of the
// warrior's script breaks an edge, and the check names the caption.
struct MutatedScript {
    std::vector<std::vector<Op>> actions;
    std::vector<Step> steps;
    StepGroup group;
    std::string mutated;
};

TEST(ConversationGraphTest, OneLetterChangedInOneCaptionIsFound) {
    struct Case {
        const char* what;
        OpKind kind;   // the row whose text changes (Say or Choice), or Say on a trigger
        bool trigger;  // change a step's trigger instead of a row
        int language;  // 1 Czech, 2 English
        const char* expected;
    };
    const Case cases[] = {
        {"a said line", OpKind::Say, false, 1, "leads nowhere"},
        {"a said line in English", OpKind::Say, false, 2, "leads nowhere"},
        {"a reply", OpKind::Choice, false, 2, "leads nowhere when clicked"},
        {"a trigger", OpKind::Say, true, 1, "nothing puts this trigger"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MutatedScript m;
        for (const Step& st : kWarriorStepsAnywhere.steps) m.actions.emplace_back(st.actions.begin(), st.actions.end());
        m.steps.assign(kWarriorStepsAnywhere.steps.begin(), kWarriorStepsAnywhere.steps.end());
        // Find a talk-timed step (for said lines) or a step with a reply.
        bool done = false;
        for (size_t i = 0; i < m.steps.size() && !done; ++i) {
            if (c.trigger) {
                m.mutated = std::string(in(m.steps[i].after, c.language));
                m.mutated[0] = m.mutated[0] == 'X' ? 'Y' : 'X';
                (c.language == 1 ? m.steps[i].after.cz : m.steps[i].after.en) = m.mutated;
                done = true;
                break;
            }
            if (c.kind == OpKind::Say && m.steps[i].timing != Timing::Talk) continue;
            for (Op& o : m.actions[i]) {
                if (o.kind != c.kind || o.text.cz.empty()) continue;
                m.mutated = std::string(in(o.text, c.language));
                m.mutated.back() = m.mutated.back() == '!' ? '?' : '!';
                (c.language == 1 ? o.text.cz : o.text.en) = m.mutated;
                done = true;
                break;
            }
        }
        ASSERT_TRUE(done);
        for (size_t i = 0; i < m.steps.size(); ++i) m.steps[i].actions = m.actions[i];
        m.group = kWarriorStepsAnywhere;
        m.group.steps = m.steps;
        const Family f{.name = "warrior", .groups = {&kWarriorSteps, &m.group}, .character = characterNamed("warrior")};
        const std::vector<const StepGroup*> anywhere = {&m.group};
        const std::vector<std::string> problems = checkFamily(f, anywhere);
        ASSERT_FALSE(problems.empty());
        const std::string all = joined(problems);
        EXPECT_NE(all.find(c.expected), std::string::npos) << all;
        EXPECT_NE(all.find(m.mutated), std::string::npos) << all;
    }
}

}  // namespace
}  // namespace kvarnel::story
