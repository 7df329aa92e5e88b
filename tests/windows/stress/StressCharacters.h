#pragma once
// Characters under stress: each with its sink, whose events feed the character's ledger.
#include <memory>
#include <vector>

#include "ComTestSupport.h"
#include "RequestLedger.h"

namespace stress {

struct StressCharacter {
    com::ComPtr<ICharacter> character;
    component_tests::EventSink sink;  // outlives its connection
    RequestLedger ledger;
    DWORD cookie = 0;
    DWORD quietUntil = 0;     // no requests before this tick: a posted StopAll may be pending
};

// Loads count characters named "Hero" with the IDs c0, c1, ... and connects their sinks.
std::vector<std::unique_ptr<StressCharacter>> LoadCrowd(IGraphicEngine* engine, int count);
void DisconnectCrowd(std::vector<std::unique_ptr<StressCharacter>>& crowd);

}  // namespace stress
