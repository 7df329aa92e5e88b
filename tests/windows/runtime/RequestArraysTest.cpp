// The arrays that carry requests across threads: what a client builds, what the window reads.
#include "Win32Api.h"

#include <gtest/gtest.h>

#include "RequestArrays.h"
#include "ScopedHandles.h"
#include "TestPartner.h"

namespace {

// An array of variants built by hand, as any client of the protocol may build it.
UniqueSafeArray HandMadeArray(std::initializer_list<VARIANT> values) {
    UniqueSafeArray array(SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(values.size())));
    LONG index = 0;
    for (VARIANT value : values) {
        SafeArrayPutElement(array.Get(), &index, &value);
        ++index;
    }
    return array;
}

VARIANT Text(const wchar_t* text) {
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = const_cast<BSTR>(text);  // copied by SafeArrayPutElement, never freed here
    return value;
}

VARIANT Int(int32_t number) {
    VARIANT value;
    value.vt = VT_I4;
    value.lVal = number;
    return value;
}

VARIANT Bool(VARIANT_BOOL flag) {
    VARIANT value;
    value.vt = VT_BOOL;
    value.boolVal = flag;
    return value;
}

// SafeArrayPutElement copies a BSTR by its length prefix, so the text must be a real BSTR.
struct BstrText {
    explicit BstrText(const wchar_t* text) : value(SysAllocString(text)) {}
    UniqueBstr value;
};

}  // namespace

TEST(PlayArray, HandMadeArrayDecodesIntoTheRequest) {
    const BstrText name(L"walk");
    UniqueSafeArray array = HandMadeArray({Text(name.value.Get()), Int(-300), Int(2000), Bool(VARIANT_TRUE)});
    const auto request = DecodePlayArray(array.Get(), 7);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->id, 7);
    EXPECT_EQ(request->animationName, "walk");
    EXPECT_EQ(request->destinationX, -300);
    EXPECT_EQ(request->destinationY, 2000);
    EXPECT_TRUE(request->isShift);
    EXPECT_EQ(request->partner, nullptr);
}

TEST(PlayArray, IsShiftCountsOnlyItsLow16Bits) {
    struct Case {
        int32_t isShift;
        bool travels;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{-1, true}, Case{65536, false}, Case{65537, true},
                         Case{0x7FFF0000, false}}) {
        UniqueSafeArray array = MakePlayArray(L"walk", 1, 2, c.isShift);
        const auto request = DecodePlayArray(array.Get(), 1);
        ASSERT_TRUE(request.has_value()) << c.isShift;
        EXPECT_EQ(request->isShift, c.travels) << c.isShift;
    }
}

TEST(PlayArray, ArraysThatDoNotFitAreRefused) {
    const BstrText name(L"walk");
    UniqueSafeArray tooShort = HandMadeArray({Text(name.value.Get()), Int(1), Int(2)});
    EXPECT_FALSE(DecodePlayArray(tooShort.Get(), 1).has_value());
    UniqueSafeArray notANumber = HandMadeArray({Text(name.value.Get()), Text(name.value.Get()), Int(2), Bool(0)});
    EXPECT_FALSE(DecodePlayArray(notANumber.Get(), 1).has_value());
    UniqueSafeArray ofIntegers(SafeArrayCreateVector(VT_I4, 0, 4));
    EXPECT_FALSE(DecodePlayArray(ofIntegers.Get(), 1).has_value());
    EXPECT_FALSE(DecodePlayArray(nullptr, 1).has_value());
}

TEST(PlayCommonArray, PartnerReachesTheFactoryAndReferencesBalance) {
    TestPartnerObject partner;
    auto log = std::make_shared<PartnerLog>();
    {
        UniqueSafeArray array = MakePlayCommonArray(L"throw", &partner);
        EXPECT_EQ(partner.References(), 2u) << "the array holds one reference";
        auto request = DecodePlayCommonArray(array.Get(), 3, RecordingPartnerFactory(log));
        ASSERT_TRUE(request.has_value());
        EXPECT_EQ(request->id, 3);
        EXPECT_EQ(request->animationName, "throw");
        ASSERT_NE(request->partner, nullptr);
        EXPECT_EQ(partner.References(), 3u) << "the request holds its own";
        request->partner->SetVisible(false);
        EXPECT_EQ(log->Entries(), std::vector<std::string>{"hide"});
    }
    EXPECT_EQ(partner.References(), 1u);
}

TEST(PlayCommonArray, MissingPartnerOrFactoryIsRefused) {
    TestPartnerObject partner;
    UniqueSafeArray withoutPartner = MakePlayCommonArray(L"throw", nullptr);
    EXPECT_FALSE(DecodePlayCommonArray(withoutPartner.Get(), 1, RecordingPartnerFactory(std::make_shared<PartnerLog>()))
                     .has_value());
    UniqueSafeArray withPartner = MakePlayCommonArray(L"throw", &partner);
    EXPECT_FALSE(DecodePlayCommonArray(withPartner.Get(), 1, PartnerFactory()).has_value());
    withPartner.Reset();
    EXPECT_EQ(partner.References(), 1u);
}
