// Characters animating at once under Wine: for 1, 10, 50 and 100 walking characters, the CPU
// time per character per tick (this process, and wineserver and Xvfb when their Linux process
// IDs are given), how late ticks come, and memory per character. One table row per count, and
// a comment line for 100 characters standing idle:
//   animation_figures SECONDS [WINESERVER_PID XVFB_PID]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Bstr.h"
#include "CCharacterModel.h"
#include "ComTestSupport.h"
#include "ServerRegistration.h"
#include "TestModels.h"

using namespace component_tests;

namespace {

constexpr double kTickMs = 100.0;

// "Runner": one walking animation of four 96 x 120 24-bit frames of 100 ms, 5 pixels each.
std::string WriteRunner() {
    CCharacterModel model;
    model.SetCharacterName("Runner");
    CAnimation walk;
    for (int i = 0; i < 4; ++i) {
        CFrame frame;
        frame.image = CBryDIB(testing_models::PatternBlock(96, 120, 24));
        frame.anchor = {48.0f, 118.0f};
        frame.shift = {5.0f, 0.0f};
        frame.displayTime = 100;
        walk.frames.push_back(frame);
    }
    model.FileAnimation("Walk", walk);
    std::string path = Files().folder + "\\runner.rux";
    return model.Save(path) ? path : std::string();
}

double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// CPU of a Linux process from its /proc stat (utime + stime, in clock ticks of 10 ms).
double LinuxProcessCpuMs(const std::string& pid) {
    if (pid.empty()) return 0.0;
    std::ifstream stat("Z:\\proc\\" + pid + "\\stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos) return -1.0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::atof(field.c_str());
        if (i == 15) stime = std::atof(field.c_str());
    }
    return (utime + stime) * 10.0;
}

size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    // Wine leaves PrivateUsage at 0; the pagefile-backed (committed private) bytes are the same measure.
    return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
}

struct Row {
    int characters = 0;
    double ticks = 0;
    double cpuPerTickUs = 0, serverPerTickUs = 0, xPerTickUs = 0;
    double coreShare = 0;  // this process, wineserver and Xvfb together, of one core
    double lateMeanMs = 0, lateP95Ms = 0;
    double memoryPerCharacterKb = 0;
};

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// A sink that keeps the arrival time of every Move event.
struct Walker {
    EventSink sink;
    std::vector<double> moveTimes;
};

struct Crowd {
    std::vector<com::ComPtr<ICharacter>> characters;
    std::vector<std::unique_ptr<Walker>> sinks;
    std::vector<DWORD> cookies;
};

void StartWalking(Crowd& crowd, int count, IGraphicEngine* engine, bool walking) {
    for (int i = 0; i < count; ++i) {
        const std::wstring id = L"r" + std::to_wstring(i);
        com::ComPtr<ICharacter> character = LoadCharacter(engine, id.c_str(), L"Runner");
        if (!character) continue;
        character->SetPosition(10 + (i % 10) * 6, 130 + (i / 10) * 85);
        character->put_Visible(1);
        auto sink = std::make_unique<Walker>();
        Walker* walker = sink.get();
        walker->sink.onEvent = [walker](const RecordedEvent& event) {
            if (event.id == kMoveEvent) walker->moveTimes.push_back(NowMs());
            walker->sink.events.clear();
        };
        crowd.cookies.push_back(Connect(character.Get(), &walker->sink));
        const com::Bstr walk(L"Walk");
        LONG request = 0;
        if (walking) character->Play(walk.Get(), 100000, 130 + (i / 10) * 85, 1, &request);  // far away: walks all run
        crowd.characters.push_back(std::move(character));
        crowd.sinks.push_back(std::move(sink));
    }
}

// Lateness of ticks from the Move events each walking tick raises: every gap beyond 100 ms.
void TickLateness(const Crowd& crowd, size_t firstEvent, Row& row) {
    std::vector<double> late;
    for (const auto& sink : crowd.sinks) {
        const std::vector<double>& times = sink->moveTimes;
        for (size_t i = std::max<size_t>(firstEvent, 1); i < times.size(); ++i)
            late.push_back(std::max(0.0, times[i] - times[i - 1] - kTickMs));
    }
    if (late.empty()) return;
    std::sort(late.begin(), late.end());
    double sum = 0;
    for (double value : late) sum += value;
    row.lateMeanMs = sum / static_cast<double>(late.size());
    row.lateP95Ms = late[late.size() * 95 / 100];
}

Row Measure(IGraphicEngine* engine, int count, int seconds, const std::string& serverPid, const std::string& xPid,
            bool walking) {
    Row row;
    row.characters = count;
    const size_t memoryBefore = PrivateBytes();
    Crowd crowd;
    StartWalking(crowd, count, engine, walking);
    PumpFor(1500);  // every character walking, caches warm
    row.memoryPerCharacterKb = (static_cast<double>(PrivateBytes()) - static_cast<double>(memoryBefore)) / 1024.0 / count;
    std::vector<size_t> firstEvents;
    for (const auto& sink : crowd.sinks) firstEvents.push_back(sink->moveTimes.size());
    const double cpu0 = ProcessCpuMs(), server0 = LinuxProcessCpuMs(serverPid), x0 = LinuxProcessCpuMs(xPid);
    PumpFor(static_cast<DWORD>(seconds) * 1000);
    row.ticks = seconds * 1000.0 / kTickMs * count;
    row.cpuPerTickUs = (ProcessCpuMs() - cpu0) * 1000.0 / row.ticks;
    row.serverPerTickUs = (LinuxProcessCpuMs(serverPid) - server0) * 1000.0 / row.ticks;
    row.xPerTickUs = (LinuxProcessCpuMs(xPid) - x0) * 1000.0 / row.ticks;
    row.coreShare = (row.cpuPerTickUs + row.serverPerTickUs + row.xPerTickUs) * row.ticks / (seconds * 1e6) * 100.0;
    TickLateness(crowd, firstEvents.empty() ? 0 : *std::min_element(firstEvents.begin(), firstEvents.end()), row);
    for (size_t i = 0; i < crowd.characters.size(); ++i) Disconnect(crowd.characters[i].Get(), crowd.cookies[i]);
    for (int i = 0; i < count; ++i) {
        const com::Bstr id(L"r" + std::to_wstring(i));
        engine->Unload(id.Get());
    }
    return row;
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::string serverPid = argc > 2 ? argv[2] : "", xPid = argc > 3 ? argv[3] : "";
    if (FAILED(CoInitialize(nullptr)) || RunRegsvr32(false) != 0) return 1;
    const std::string runner = WriteRunner();
    if (runner.empty()) return 1;
    SetFileList({runner});
    {
        com::ComPtr<IGraphicEngine> engine = CreateEngine();
        if (!engine) return 1;
        std::printf("# %d s per count; CPU per character per tick in microseconds; lateness of ticks in ms\n", seconds);
        std::printf("# characters process_us wineserver_us xvfb_us core_percent late_mean_ms late_p95_ms memory_kb\n");
        for (const int count : {1, 10, 50, 100}) {
            const Row row = Measure(engine.Get(), count, seconds, serverPid, xPid, true);
            std::printf("%d %.1f %.1f %.1f %.2f %.1f %.1f %.0f\n", row.characters, row.cpuPerTickUs, row.serverPerTickUs,
                        row.xPerTickUs, row.coreShare, row.lateMeanMs, row.lateP95Ms, row.memoryPerCharacterKb);
            std::fflush(stdout);
        }
        // Characters standing still between requests: what an idle tick costs.
        const Row idle = Measure(engine.Get(), 100, seconds, serverPid, xPid, false);
        std::printf("# idle 100: %.1f %.1f %.1f us per character per tick, %.2f %% of one core\n", idle.cpuPerTickUs,
                    idle.serverPerTickUs, idle.xPerTickUs, idle.coreShare);
    }
    SetFileList({});
    CoUninitialize();
    return 0;
}
