#include "core/game_state.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace kvarnel::core {
namespace {

// Access paths. Each is a class template over member pointers with one
// mutable and one const accessor, so the table rows carry no hand-written
// accessor code.

template <auto Member>
struct Direct {
    static auto& ref(GameState& state) { return state.*Member; }
    static const auto& cref(const GameState& state) { return state.*Member; }
};

template <auto Array, size_t Index>
struct Element {
    static auto& ref(GameState& state) { return (state.*Array)[Index]; }
    static const auto& cref(const GameState& state) { return (state.*Array)[Index]; }
};

template <auto Array, size_t Index, auto Field>
struct ElementField {
    static auto& ref(GameState& state) { return (state.*Array)[Index].*Field; }
    static const auto& cref(const GameState& state) { return (state.*Array)[Index].*Field; }
};

template <class T>
constexpr VarKind kindOf() {
    if constexpr (std::is_same_v<T, uint8_t>) {
        return VarKind::Flag;
    } else if constexpr (std::is_same_v<T, int32_t>) {
        return VarKind::Int;
    } else if constexpr (std::is_same_v<T, std::string>) {
        return VarKind::String;
    } else {
        static_assert(std::is_same_v<T, Rect>, "a game variable is a flag, int, string or rect");
        return VarKind::Rect;
    }
}

template <class Path>
VariableInfo makeRow(std::string_view name) {
    using T = std::remove_reference_t<decltype(Path::ref(std::declval<GameState&>()))>;
    FieldAccess<T> access{&Path::ref, &Path::cref};
    return VariableInfo{name, kindOf<T>(), access};
}

bool lessByName(const VariableInfo* a, const VariableInfo* b) { return a->name < b->name; }

// The table, built once. Rows of array elements get generated names, which
// `names_` owns; a deque never moves its elements, so the rows' views stay
// valid. `byName_` points into `rows_`, which no longer grows once built.
class Registry {
public:
    Registry() {
#define KVARNEL_ROW(Name) rows_.push_back(makeRow<Direct<&GameState::Name>>(#Name));
        KVARNEL_GAME_VARIABLES(KVARNEL_ROW, KVARNEL_ROW, KVARNEL_ROW, KVARNEL_ROW)
#undef KVARNEL_ROW
        addSeries<&GameState::MenuRect>("MenuRect", "");
        addSeries<&GameState::TrackEnabled>("TrackEnabled", "");
        constexpr size_t lineTimers = std::tuple_size_v<decltype(GameState::LineTimer)>;
        addLineTimers(std::make_index_sequence<lineTimers>{});
        addSeries<&GameState::CaveLevel>("CaveLevel", "");
        addSeries<&GameState::CountdownSoundPlayed>("CountdownSound", "Played");

        byName_.reserve(rows_.size());
        for (const VariableInfo& row : rows_) byName_.push_back(&row);
        std::sort(byName_.begin(), byName_.end(), lessByName);
        auto dup = std::adjacent_find(byName_.begin(), byName_.end(),
                                      [](const VariableInfo* a, const VariableInfo* b) {
                                          return a->name == b->name;
                                      });
        if (dup != byName_.end()) {
            throw std::logic_error("game-state register names " + std::string((*dup)->name) +
                                   " twice");
        }
    }

    std::span<const VariableInfo> rows() const { return rows_; }

    const VariableInfo* find(std::string_view name) const {
        auto it = std::lower_bound(
            byName_.begin(), byName_.end(), name,
            [](const VariableInfo* row, std::string_view key) { return row->name < key; });
        return it != byName_.end() && (*it)->name == name ? *it : nullptr;
    }

private:
    std::string_view ownName(std::string text) { return names_.emplace_back(std::move(text)); }

    // One row per element of a numbered series whose first element is number
    // 1: prefix + number + suffix ("MenuRect1", "CountdownSound1Played").
    template <auto Array>
    void addSeries(std::string_view prefix, std::string_view suffix) {
        using Series = std::remove_reference_t<decltype(std::declval<GameState&>().*Array)>;
        addElements<Array>(prefix, suffix, std::make_index_sequence<std::tuple_size_v<Series>>{});
    }

    template <auto Array, size_t... I>
    void addElements(std::string_view prefix, std::string_view suffix, std::index_sequence<I...>) {
        auto nameOf = [&](size_t index) {
            return std::string(prefix) + std::to_string(index + 1) + std::string(suffix);
        };
        (addGenerated<Element<Array, I>>(nameOf(I)), ...);
    }

    // Line timers are numbered from 0 and give one row per record field.
    template <size_t... I>
    void addLineTimers(std::index_sequence<I...>) {
        (addLineTimer<I>(), ...);
    }

    template <size_t I>
    void addLineTimer() {
        constexpr auto timers = &GameState::LineTimer;
        const std::string base = "LineTimer" + std::to_string(I) + ".";
        addGenerated<ElementField<timers, I, &LineTimer::Active>>(base + "Active");
        addGenerated<ElementField<timers, I, &LineTimer::Expired>>(base + "Expired");
        addGenerated<ElementField<timers, I, &LineTimer::Limit>>(base + "Limit");
        addGenerated<ElementField<timers, I, &LineTimer::Elapsed>>(base + "Elapsed");
    }

    template <class Path>
    void addGenerated(std::string name) {
        rows_.push_back(makeRow<Path>(ownName(std::move(name))));
    }

    std::deque<std::string> names_;
    std::vector<VariableInfo> rows_;
    std::vector<const VariableInfo*> byName_;
};

const Registry& registry() {
    static const Registry instance;
    return instance;
}

}  // namespace

std::span<const VariableInfo> allVariables() { return registry().rows(); }

const VariableInfo* findVariable(std::string_view name) { return registry().find(name); }

std::optional<int64_t> getNumber(const GameState& state, std::string_view name) {
    const VariableInfo* row = findVariable(name);
    if (row == nullptr) return std::nullopt;
    if (const uint8_t* flag = row->field<uint8_t>(state)) return *flag;
    if (const int32_t* number = row->field<int32_t>(state)) return *number;
    return std::nullopt;
}

bool setNumber(GameState& state, std::string_view name, int64_t value) {
    const VariableInfo* row = findVariable(name);
    if (row == nullptr) return false;
    if (uint8_t* flag = row->field<uint8_t>(state)) {
        if (value != 0 && value != 1) return false;
        *flag = static_cast<uint8_t>(value);
        return true;
    }
    if (int32_t* number = row->field<int32_t>(state)) {
        if (value < std::numeric_limits<int32_t>::min() ||
            value > std::numeric_limits<int32_t>::max()) {
            return false;
        }
        *number = static_cast<int32_t>(value);
        return true;
    }
    return false;
}

std::optional<std::string> getString(const GameState& state, std::string_view name) {
    const VariableInfo* row = findVariable(name);
    if (row == nullptr) return std::nullopt;
    if (const std::string* text = row->field<std::string>(state)) return *text;
    return std::nullopt;
}

bool setString(GameState& state, std::string_view name, std::string value) {
    const VariableInfo* row = findVariable(name);
    if (row == nullptr) return false;
    std::string* text = row->field<std::string>(state);
    if (text == nullptr) return false;
    *text = std::move(value);
    return true;
}

std::optional<Rect> getRect(const GameState& state, std::string_view name) {
    const VariableInfo* row = findVariable(name);
    if (row == nullptr) return std::nullopt;
    if (const Rect* rect = row->field<Rect>(state)) return *rect;
    return std::nullopt;
}

bool setRect(GameState& state, std::string_view name, const Rect& value) {
    const VariableInfo* row = findVariable(name);
    if (row == nullptr) return false;
    Rect* rect = row->field<Rect>(state);
    if (rect == nullptr) return false;
    *rect = value;
    return true;
}

std::string formatValue(const GameState& state, const VariableInfo& variable) {
    if (const uint8_t* flag = variable.field<uint8_t>(state)) return std::to_string(*flag);
    if (const int32_t* number = variable.field<int32_t>(state)) return std::to_string(*number);
    if (const std::string* text = variable.field<std::string>(state)) return '"' + *text + '"';
    const Rect* r = variable.field<Rect>(state);
    if (r == nullptr) return {};
    return "(" + std::to_string(r->Left) + ", " + std::to_string(r->Top) + ", " +
           std::to_string(r->Right) + ", " + std::to_string(r->Bottom) + ")";
}

}  // namespace kvarnel::core
