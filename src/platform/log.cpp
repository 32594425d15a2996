#include "platform/log.h"

#include <cstdio>
#include <mutex>
#include <set>

namespace kvarnel {
namespace {
bool gVerbose = true;
std::mutex gMutex;  // audio and movie threads may report a failure too
std::set<std::string, std::less<>> gSeen;

void write(const char* level, std::string_view message) {
    std::fprintf(stderr, "kvarnel: %s%.*s\n", level, static_cast<int>(message.size()), message.data());
}
}  // namespace

void logInfo(std::string_view message) {
    std::lock_guard lock(gMutex);
    if (gVerbose) write("", message);
}

void logWarning(std::string_view message) {
    std::lock_guard lock(gMutex);
    write("warning: ", message);
}

void logOnce(std::string_view key, std::string_view message) {
    std::lock_guard lock(gMutex);
    if (gSeen.find(key) != gSeen.end()) return;
    gSeen.emplace(key);
    write("warning: ", message);
}

void setVerbose(bool verbose) {
    std::lock_guard lock(gMutex);
    gVerbose = verbose;
}

}  // namespace kvarnel
