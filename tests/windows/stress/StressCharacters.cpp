#include "StressCharacters.h"

#include <string>

namespace stress {

std::vector<std::unique_ptr<StressCharacter>> LoadCrowd(IGraphicEngine* engine, int count) {
    std::vector<std::unique_ptr<StressCharacter>> crowd;
    for (int i = 0; i < count; ++i) {
        auto member = std::make_unique<StressCharacter>();
        const std::wstring id = L"c" + std::to_wstring(i);
        member->character = component_tests::LoadCharacter(engine, id.c_str(), L"Hero");
        if (!member->character) break;
        RequestLedger* ledger = &member->ledger;
        member->sink.onEvent = [ledger](const component_tests::RecordedEvent& event) {
            if (event.arguments.empty()) return;
            if (event.id == component_tests::kRequestStartEvent) ledger->Started(event.arguments[0]);
            if (event.id == component_tests::kRequestCompleteEvent) ledger->Completed(event.arguments[0]);
        };
        member->cookie = component_tests::Connect(member->character.Get(), &member->sink);
        crowd.push_back(std::move(member));
    }
    return crowd;
}

void DisconnectCrowd(std::vector<std::unique_ptr<StressCharacter>>& crowd) {
    for (auto& member : crowd) {
        if (member->cookie != 0) component_tests::Disconnect(member->character.Get(), member->cookie);
        member->cookie = 0;
    }
}

}  // namespace stress
