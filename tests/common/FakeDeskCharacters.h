#pragma once
// Characters without an engine, for the channel's tests: a fixed set of installed names with
// their animations, a log of every call, and requests that complete when the test says so.
#include "IDeskCharacters.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace desk {

class FakeDeskCharacters : public IDeskCharacters {
public:
    struct Character {
        std::vector<std::string> animations;
        bool shown = false;
        DeskPoint position;
    };

    FakeDeskCharacters() {
        characters["Pip"] = {{"Greet", "IdleBlink", "Walk"}, false, {}};
        characters["Rex"] = {{"Wave"}, true, {40, 60}};
    }

    std::vector<DeskCharacterInfo> List() override {
        calls.push_back("List");
        std::vector<DeskCharacterInfo> list;
        for (const auto& [name, character] : characters) list.push_back({name, character.shown, character.position});
        return list;
    }
    std::vector<std::string> Animations(const std::string& name) override {
        const auto found = characters.find(name);
        return found == characters.end() ? std::vector<std::string>{} : found->second.animations;
    }
    DeskResult Show(const std::string& name) override { return SetShown(name, true); }
    DeskResult Hide(const std::string& name) override { return SetShown(name, false); }
    DeskResult Play(const std::string& name, const std::string& animation, std::optional<DeskPoint> to) override {
        calls.push_back("Play " + name + " " + animation + (to ? " " + std::to_string(to->x) + "," + std::to_string(to->y) : ""));
        return Queue(name);
    }
    DeskResult Say(const std::string& name, const std::string& text) override {
        if (throwOnSay) throw std::runtime_error("the engine went away");
        calls.push_back("Say " + name + " " + text);
        return Queue(name);
    }
    DeskResult Think(const std::string& name, const std::string& text) override {
        calls.push_back("Think " + name + " " + text);
        return Queue(name);
    }
    DeskResult Move(const std::string& name, DeskPoint to) override {
        calls.push_back("Move " + name + " " + std::to_string(to.x) + "," + std::to_string(to.y));
        if (!characters.count(name)) return DeskResult::Failed("no such character");
        characters[name].position = to;
        return DeskResult::Done();
    }
    void WhenComplete(const std::string&, long requestId, std::function<void(bool)> done) override {
        waiting[requestId].push_back(std::move(done));
    }

    // Ends a request: every waiter hears of it.
    void Complete(long requestId, bool completed) {
        auto callbacks = std::move(waiting[requestId]);
        waiting.erase(requestId);
        for (auto& done : callbacks) done(completed);
    }

    std::map<std::string, Character> characters;
    std::vector<std::string> calls;
    std::map<long, std::vector<std::function<void(bool)>>> waiting;
    long nextRequestId = 1;
    bool throwOnSay = false;

private:
    DeskResult SetShown(const std::string& name, bool shown) {
        calls.push_back((shown ? "Show " : "Hide ") + name);
        if (!characters.count(name)) return DeskResult::Failed("no character named " + name + " is installed");
        characters[name].shown = shown;
        return DeskResult::Done();
    }
    DeskResult Queue(const std::string& name) {
        if (!characters.count(name)) return DeskResult::Failed("no character named " + name + " is installed");
        return DeskResult::Done(nextRequestId++);
    }
};

}  // namespace desk
