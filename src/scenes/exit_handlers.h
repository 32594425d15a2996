// The names of the handlers an exit label is bound to. The labels that
// build one shape (a gate, a path, a door arch) share the first label's click
// handler, and some runs share its leave handler too; every label has an
// enter handler of its own.
#pragma once

#include <string>
#include <string_view>

namespace kvarnel::scenes {

struct ExitHandlers {
    std::string click, enter, leave;
};

ExitHandlers exitHandlers(std::string_view label);

}  // namespace kvarnel::scenes
