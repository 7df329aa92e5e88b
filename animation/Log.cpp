#include "Log.h"

#include <cstring>
#include <mutex>

namespace {

constexpr size_t kLogNameBufferSize = 128;

struct LogState {
    std::mutex lock;
    int nameSet = 1;
    char fileName[kLogNameBufferSize] = "wendo.log";
};

LogState& State() {
    static LogState state;
    return state;
}

}  // namespace

const char* const kLogOutOfMemoryText =
    "FROM log:Not enought memory to log message, unpredictable behavior follows\n";

void SetLogFileName(const char* name) {
    LogState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    const size_t length = name != nullptr ? strnlen(name, kLogNameBufferSize - 1) : 0;
    if (length > 0) std::memcpy(state.fileName, name, length);
    state.fileName[length] = '\0';
    state.nameSet = 1;
}

std::string LogFileName() {
    LogState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.fileName;
}

int LogFileNameSet() {
    LogState& state = State();
    std::lock_guard<std::mutex> guard(state.lock);
    return state.nameSet;
}
