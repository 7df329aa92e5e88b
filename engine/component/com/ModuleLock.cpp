#include "ModuleLock.h"

#include <atomic>

namespace com {
namespace {
std::atomic<int32_t> g_lockCount{0};
}

void LockModule() { g_lockCount.fetch_add(1); }
void UnlockModule() { g_lockCount.fetch_sub(1); }
int32_t ModuleLockCount() { return g_lockCount.load(); }

}  // namespace com
