// Measures the component interface under Wine: GraphicEngine.Load with 1, 10 and 50 files in
// the installed-file list (the character's own file listed last), and the round trip of Play
// of a one-frame animation to its RequestComplete event, and how late WaitForRequest returns
// after the completion was posted.
//   component_figures [repetitions]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "ServerRegistration.h"

using namespace component_tests;
using Clock = std::chrono::steady_clock;

namespace {

double Milliseconds(Clock::duration elapsed) { return std::chrono::duration<double, std::milli>(elapsed).count(); }

struct Figures {
    double median, minimum, maximum;
};

Figures Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

void ListWithHeroLast(size_t files) {
    std::vector<std::string> paths(files - 1, Files().ball);
    paths.push_back(Files().hero);
    SetFileList(paths);
}

Figures MeasureLoad(IGraphicEngine* engine, size_t files, int repetitions) {
    ListWithHeroLast(files);
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        const std::wstring id = L"load" + std::to_wstring(i);
        const auto start = Clock::now();
        com::ComPtr<ICharacter> character = LoadCharacter(engine, id.c_str(), L"Hero");
        samples.push_back(Milliseconds(Clock::now() - start));
        if (!character) std::printf("Load failed\n");
        const com::Bstr idText(id);
        engine->Unload(idText.Get());
    }
    return Summarise(samples);
}

Figures MeasurePlay(IGraphicEngine* engine, int repetitions) {
    ListWithHeroLast(1);
    com::ComPtr<ICharacter> hero = LoadCharacter(engine, L"play", L"Hero");
    EventSink sink;
    const DWORD cookie = Connect(hero.Get(), &sink);
    const com::Bstr stand(L"Stand");
    std::vector<double> samples;
    for (int i = 0; i < repetitions; ++i) {
        LONG id = 0;
        const auto start = Clock::now();
        hero->Play(stand.Get(), 0, 0, 0, &id);
        PumpUntil([&] { return HasEvent(sink.events, kRequestCompleteEvent, {id}); });
        samples.push_back(Milliseconds(Clock::now() - start));
    }
    Disconnect(hero.Get(), cookie);
    return Summarise(samples);
}

void Print(const char* what, const Figures& figures) {
    std::printf("| %-44s | %8.2f | %8.2f | %8.2f |\n", what, figures.median, figures.minimum, figures.maximum);
}

}  // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    if (FAILED(CoInitialize(nullptr)) || RunRegsvr32(false) != 0) return 1;
    {
        com::ComPtr<IGraphicEngine> engine = CreateEngine();
        if (!engine) return 1;
        std::printf("%d repetitions each, milliseconds\n\n", repetitions);
        std::printf("| %-44s | %8s | %8s | %8s |\n", "measured", "median", "min", "max");
        std::printf("|%s|----------|----------|----------|\n", std::string(46, '-').c_str());
        for (const size_t files : {1u, 10u, 50u}) {
            const std::string what = "GraphicEngine.Load, " + std::to_string(files) + " listed file(s)";
            Print(what.c_str(), MeasureLoad(engine.Get(), files, repetitions));
        }
        Print("Play to RequestComplete, one-frame animation", MeasurePlay(engine.Get(), repetitions));
        ListWithHeroLast(1);
        com::ComPtr<ICharacter> waiter = LoadCharacter(engine.Get(), L"wait", L"Hero");
        if (waiter) Print("WaitForRequest lateness (50 waits)", Summarise(WaitLatenesses(waiter.Get(), 50)));
    }
    SetFileList({});
    CoUninitialize();
    return 0;
}
