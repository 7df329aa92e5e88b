#pragma once
// The module's count of live objects and class-object locks; the library may be unloaded
// only while it is 0.
#include <cstdint>

namespace com {

void LockModule();
void UnlockModule();
int32_t ModuleLockCount();

// Counts one live object for as long as it exists.
class ModuleLockScope {
public:
    ModuleLockScope() { LockModule(); }
    ModuleLockScope(const ModuleLockScope&) = delete;
    ModuleLockScope& operator=(const ModuleLockScope&) = delete;
    ~ModuleLockScope() { UnlockModule(); }
};

}  // namespace com
