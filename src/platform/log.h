// Logging to standard error. The player never sees these lines; they are for
// whoever runs the game from a terminal or reads a test's output.
#pragma once

#include <string>
#include <string_view>

namespace kvarnel {

void logInfo(std::string_view message);
void logWarning(std::string_view message);
// Logs `message` the first time `key` is seen in this process and never
// again: a missing feature is reported once, not on every use.
void logOnce(std::string_view key, std::string_view message);
// Silences logInfo (tests and benchmarks); warnings still go out.
void setVerbose(bool verbose);

}  // namespace kvarnel
