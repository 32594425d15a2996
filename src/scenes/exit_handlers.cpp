#include "scenes/exit_handlers.h"

namespace kvarnel::scenes {

ExitHandlers exitHandlers(std::string_view label) {
    const std::string name(label);
    ExitHandlers h{name + "Click", name + "MouseEnter", name + "MouseLeave"};
    // The second label of the criminal's door opens it as the first does.
    if (label == "Label125") h.click = "Label88Click";
    struct Run {
        int from, to;
        bool sharedLeave;
    };
    static constexpr Run kRuns[] = {
        {41, 62, false},  // the gate out of the village
        {90, 96, true},   // the town hall's door arch
        {24, 35, true},   // the path into the western forest
        {63, 86, true},   // the path back to the village
    };
    if (label.starts_with("Label")) {
        int n = 0;
        for (char ch : label.substr(5)) {
            if (ch < '0' || ch > '9') return h;
            n = n * 10 + (ch - '0');
        }
        for (const Run& r : kRuns) {
            if (n < r.from || n > r.to) continue;
            const std::string first = "Label" + std::to_string(r.from);
            h.click = first + "Click";
            if (r.sharedLeave) h.leave = first + "MouseLeave";
        }
    }
    return h;
}

}  // namespace kvarnel::scenes
