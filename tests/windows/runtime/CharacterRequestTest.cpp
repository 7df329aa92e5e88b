// Requests through the real messages: queueing, start and completion at ticks, stopping,
// common animations with a partner, and sounds.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "CharacterMessages.h"
#include "LiveCharacter.h"
#include "TestCharacters.h"
#include "TestModels.h"
#include "TestPartner.h"

using test_characters::kAnchor;
using test_characters::kBallOrigin;

namespace {

// Sound files the character asked for, from the character thread.
class SoundLog {
public:
    void Add(const std::string& path) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_paths.push_back(path);
    }
    std::vector<std::string> Paths() const {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_paths;
    }

private:
    mutable std::mutex m_lock;
    std::vector<std::string> m_paths;
};

CharacterThreadOptions RecordingSounds(const std::shared_ptr<SoundLog>& log) {
    CharacterThreadOptions options;
    options.playSound = [log](const std::string& path) { log->Add(path); };
    return options;
}

}  // namespace

TEST(CharacterRequests, PlayIsQueuedWhenTheSendReturns) {
    LiveCharacter character;
    character.PlayInPlace(1, L"long");
    EXPECT_TRUE(character.Body().IsRequestQueued(1));
    PostMessageA(character.Window(), CHM_STOP, 0, 1);
    EXPECT_TRUE(character.WaitForCompletion(1));
    EXPECT_FALSE(character.Body().IsRequestQueued(1));
}

TEST(CharacterRequests, StartComesBeforeCompletionAndTheNextRequestATickLater) {
    LiveCharacter character;
    character.PlayInPlace(1, L"quick");
    character.PlayInPlace(2, L"quick");
    ASSERT_TRUE(character.WaitForCompletion(2));
    const TestReceiver& receiver = character.Receiver();
    const int start1 = receiver.IndexOf(CRN_REQUESTSTART, 1);
    const int complete1 = receiver.IndexOf(CRN_REQUESTCOMPLETE, 1);
    const int start2 = receiver.IndexOf(CRN_REQUESTSTART, 2);
    const int complete2 = receiver.IndexOf(CRN_REQUESTCOMPLETE, 2);
    ASSERT_GE(start1, 0);
    EXPECT_LT(start1, complete1);
    EXPECT_LT(complete1, start2);
    EXPECT_LT(start2, complete2);
    const auto& all = receiver.Received();
    EXPECT_GE(all[start2].postTime - all[complete1].postTime, 50u) << "the next request starts at a later tick";
    EXPECT_EQ(all[start1].lParam, 0);
}

TEST(CharacterRequests, StopCompletesTheCurrentOrAQueuedRequest) {
    LiveCharacter character;
    character.PlayInPlace(1, L"long");
    character.PlayInPlace(2, L"long");
    character.PlayInPlace(3, L"quick");
    ASSERT_TRUE(character.WaitFor(CRN_REQUESTSTART, 1));
    PostMessageA(character.Window(), CHM_STOP, 0, 2);
    ASSERT_TRUE(character.WaitForCompletion(2));
    EXPECT_FALSE(character.Receiver().Has(CRN_REQUESTSTART, 2)) << "a queued request is never started";
    PostMessageA(character.Window(), CHM_STOP, 0, 99);  // unknown: nothing
    PostMessageA(character.Window(), CHM_STOP, 0, 0);   // the current one
    ASSERT_TRUE(character.WaitForCompletion(1));
    ASSERT_TRUE(character.WaitForCompletion(3));
    EXPECT_TRUE(character.Receiver().Has(CRN_REQUESTSTART, 3));
    EXPECT_FALSE(character.Receiver().Has(CRN_REQUESTCOMPLETE, 99));
    EXPECT_EQ(character.Receiver().Of(CRN_REQUESTCOMPLETE).size(), 3u);
}

TEST(CharacterRequests, StopAllDropsEveryRequestSilently) {
    LiveCharacter character;
    character.PlayInPlace(1, L"long");
    character.PlayInPlace(2, L"long");
    character.PlayInPlace(3, L"long");
    ASSERT_TRUE(character.WaitFor(CRN_REQUESTSTART, 1));
    PostMessageA(character.Window(), CHM_STOPALL, 0, 0);
    PumpFor(300);
    for (int32_t id = 1; id <= 3; ++id) EXPECT_FALSE(character.Body().IsRequestQueued(id)) << id;
    EXPECT_TRUE(character.Receiver().Of(CRN_REQUESTCOMPLETE).empty());
    character.PlayInPlace(4, L"quick");
    EXPECT_TRUE(character.WaitForCompletion(4)) << "the character goes on working";
}

// Any program can send these numbers: an array the engine did not send to this window with
// this ID is not touched at all, while a malformed one that the engine did send completes.
TEST(CharacterRequests, OnlyArraysSentByTheEngineAreReadAndMalformedOnesComplete) {
    LiveCharacter character;
    UniqueSafeArray notSent = MakePlayArray(L"quick", 0, 0, 0);
    SendMessageA(character.Window(), CHM_PLAY, 0, 1);
    SendMessageA(character.Window(), CHM_PLAYCOMMON, 0x41414141, 2);
    SendMessageA(character.Window(), CHM_PLAY, reinterpret_cast<WPARAM>(notSent.Get()), 3);
    LONG lower = -1;
    EXPECT_EQ(SafeArrayGetLBound(notSent.Get(), 1, &lower), S_OK) << "left alone, not destroyed";
    UniqueSafeArray wrongShape(SafeArrayCreateVector(VT_I4, 0, 4));
    SendRequestArray(character.Window(), CHM_PLAY, std::move(wrongShape), 4);
    for (int32_t id = 1; id <= 4; ++id) EXPECT_FALSE(character.Body().IsRequestQueued(id)) << id;
    ASSERT_TRUE(character.WaitForCompletion(4));
    PumpFor(250);
    EXPECT_EQ(character.Receiver().Received().size(), 1u) << "only the engine's own request completes";
    character.PlayInPlace(5, L"quick");
    EXPECT_TRUE(character.WaitForCompletion(5));
}

TEST(CharacterRequests, CommonAnimationHidesPlacesAndShowsThePartner) {
    auto log = std::make_shared<PartnerLog>();
    CharacterThreadOptions options;
    options.partnerFactory = RecordingPartnerFactory(log);
    LiveCharacter character(options);
    TestPartnerObject partner;
    character.Body().SetPosition(500.0f, 300.0f);
    character.PlayCommon(1, L"throw", &partner);
    EXPECT_EQ(partner.References(), 2u) << "the queued request holds one reference";
    ASSERT_TRUE(character.WaitForCompletion(1));
    const int x = static_cast<int>(500 - kAnchor.x + kBallOrigin.x);
    const int y = static_cast<int>(300 - kAnchor.y + kBallOrigin.y);
    EXPECT_EQ(log->Entries(),
              (std::vector<std::string>{"hide", "at " + std::to_string(x) + "," + std::to_string(y), "show"}));
    EXPECT_EQ(partner.References(), 1u) << "the finished request released the partner";
    const APTTYPE apartment = log->FactoryApartment();
    EXPECT_TRUE(apartment == APTTYPE_STA || apartment == APTTYPE_MAINSTA) << "the character thread is in an apartment";
}

TEST(CharacterRequests, StoppedCommonAnimationReleasesThePartnerWithoutShowingIt) {
    auto log = std::make_shared<PartnerLog>();
    CharacterThreadOptions options;
    options.partnerFactory = RecordingPartnerFactory(log);
    LiveCharacter character(options);
    TestPartnerObject partner;
    character.PlayInPlace(1, L"long");
    character.PlayCommon(2, L"throw", &partner);
    PostMessageA(character.Window(), CHM_STOP, 0, 2);
    ASSERT_TRUE(character.WaitForCompletion(2));
    EXPECT_EQ(partner.References(), 1u);
    EXPECT_TRUE(log->Entries().empty());
}

TEST(CharacterSounds, FrameSoundPlaysFromTheStartDirectory) {
    const std::string folder = testing_models::TempFolder("sound-start");
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    auto sounds = std::make_shared<SoundLog>();
    LiveCharacter character(RecordingSounds(sounds));
    SetCurrentDirectoryA(previous);
    character.PlayInPlace(1, L"sound");
    ASSERT_TRUE(character.WaitForCompletion(1));
    ASSERT_EQ(sounds->Paths().size(), 1u);
    char start[MAX_PATH] = {};
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    GetCurrentDirectoryA(MAX_PATH, start);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(sounds->Paths()[0], std::string(start) + "\\sounds\\step.wav");
}

TEST(CharacterSounds, SoundOffClearsThePendingSoundForGood) {
    auto sounds = std::make_shared<SoundLog>();
    LiveCharacter character(RecordingSounds(sounds));
    character.Body().SetSoundOn(false);
    character.PlayInPlace(1, L"sound");
    ASSERT_TRUE(character.WaitForCompletion(1));
    character.Body().SetSoundOn(true);
    PumpFor(300);
    EXPECT_TRUE(sounds->Paths().empty());
    character.PlayInPlace(2, L"sound");
    ASSERT_TRUE(character.WaitForCompletion(2));
    EXPECT_EQ(sounds->Paths().size(), 1u);
}

TEST(CharacterSounds, NamesThatLeaveTheSoundsFolderAreNotPlayed) {
    auto sounds = std::make_shared<SoundLog>();
    LiveCharacter character(RecordingSounds(sounds));
    character.PlayInPlace(1, L"unsafe");
    ASSERT_TRUE(character.WaitForCompletion(1));
    PumpFor(150);
    EXPECT_TRUE(sounds->Paths().empty());
}
