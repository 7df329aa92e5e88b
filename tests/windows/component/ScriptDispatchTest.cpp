// Calls by name through IDispatch, with arguments as scripts pass them: numbers for window
// handles, 2-byte integers, variables by reference, objects as dispatch pointers.
#include "CharacterFixture.h"

using namespace component_tests;

namespace {

class ScriptDispatchTest : public CharacterFixture {
protected:
    com::ComPtr<IDispatch> EngineDispatch() { return com::QueryAs<IDispatch>(engine.Get()); }
    com::ComPtr<IDispatch> HeroDispatch() { return com::QueryAs<IDispatch>(hero.Get()); }
};

VARIANT HandleArg(VARTYPE type) {
    VARIANT value;
    VariantInit(&value);
    value.vt = type;
    if (type == VT_I8) value.llVal = 0;
    if (type == VT_I4) value.lVal = 0;
    if (type == VT_I2) value.iVal = 0;
    return value;
}

VARIANT ReferenceTo(VARIANT* target) {
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = VT_BYREF | VT_VARIANT;
    reference.pvarVal = target;
    return reference;
}

}  // namespace

TEST_F(ScriptDispatchTest, LoadTakesTheOwnerAsAnyScriptNumber) {
    int n = 0;
    LONG byReference = 0;
    VARIANT referenced;
    VariantInit(&referenced);
    referenced.vt = VT_BYREF | VT_I4;
    referenced.plVal = &byReference;
    for (VARIANT owner : {HandleArg(VT_I2), HandleArg(VT_I4), HandleArg(VT_I8), HandleArg(VT_EMPTY), referenced}) {
        const std::wstring id = L"s" + std::to_wstring(n++);
        DispatchResult loaded;
        CallByName(EngineDispatch().Get(), L"Load", DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                   {StringArg(id.c_str()), StringArg(L"Ball"), owner}, loaded);
        EXPECT_EQ(loaded.result, S_OK) << "owner type " << owner.vt;
        EXPECT_EQ(loaded.value.vt, VT_DISPATCH);
        EXPECT_TRUE(com::QueryAs<ICharacter>(loaded.value.pdispVal));
    }
}

TEST_F(ScriptDispatchTest, ReportedErrorsFillTheExceptionInformation) {
    DispatchResult loaded;
    CallByName(EngineDispatch().Get(), L"Load", DISPATCH_METHOD, {StringArg(L"h"), StringArg(L"Hero"), HandleArg(VT_I4)},
               loaded);
    EXPECT_EQ(loaded.result, DISP_E_EXCEPTION);
    EXPECT_EQ(loaded.exception.scode, DISP_E_EXCEPTION);
    EXPECT_STREQ(loaded.exception.bstrDescription, L"Character Already Exist.");
    EXPECT_STREQ(loaded.exception.bstrSource, L"VimroGE.GraphicEngine.1");
    DispatchResult unloaded;
    CallByName(EngineDispatch().Get(), L"Unload", DISPATCH_METHOD, {StringArg(L"nobody")}, unloaded);
    EXPECT_EQ(unloaded.result, DISP_E_EXCEPTION);
    EXPECT_STREQ(unloaded.exception.bstrDescription, L"Invalid Character ID.");
    DispatchResult zOrder;
    CallByName(HeroDispatch().Get(), L"ZOrder", DISPATCH_PROPERTYPUT, {IntArg(0x7654321)}, zOrder);
    EXPECT_EQ(zOrder.result, DISP_E_EXCEPTION);
    EXPECT_STREQ(zOrder.exception.bstrDescription, L"Error Setting Window");
    EXPECT_STREQ(zOrder.exception.bstrSource, L"VimroGE.Character.1");
}

TEST_F(ScriptDispatchTest, PlayAndPropertiesByName) {
    DispatchResult played;
    CallByName(HeroDispatch().Get(), L"Play", DISPATCH_METHOD | DISPATCH_PROPERTYGET,
               {StringArg(L"Stand"), ShortArg(300), ShortArg(400), ShortArg(1)}, played);
    ASSERT_EQ(played.result, S_OK);
    EXPECT_EQ(played.value.lVal, 1);
    DispatchResult put;
    CallByName(HeroDispatch().Get(), L"X", DISPATCH_PROPERTYPUT, {ShortArg(12)}, put);
    EXPECT_EQ(put.result, S_OK);
    DispatchResult got;
    CallByName(HeroDispatch().Get(), L"X", DISPATCH_PROPERTYGET, {}, got);
    EXPECT_EQ(got.value.lVal, 12);
    DispatchResult topmost;
    CallByName(HeroDispatch().Get(), L"ZOrder", DISPATCH_PROPERTYPUT, {ShortArg(-1)}, topmost);
    EXPECT_EQ(topmost.result, S_OK);
}

TEST_F(ScriptDispatchTest, PositionQueriesWriteVariablesPassedByReference) {
    hero->SetPosition(300, 400);
    VARIANT x;
    VariantInit(&x);
    DispatchResult asked;
    CallByName(HeroDispatch().Get(), L"AskForPosition", DISPATCH_METHOD | DISPATCH_PROPERTYGET,
               {StringArg(L"Ball"), StringArg(L"Stand"), ReferenceTo(&x)}, asked);
    ASSERT_EQ(asked.result, S_OK);
    EXPECT_EQ(x.vt, VT_I4);
    EXPECT_EQ(x.lVal, 312);
    EXPECT_EQ(asked.value.lVal, 240);

    LONG plainX = 0, plainY = 0;
    VARIANT xRef, yRef;
    VariantInit(&xRef);
    VariantInit(&yRef);
    xRef.vt = yRef.vt = VT_BYREF | VT_I4;
    xRef.plVal = &plainX;
    yRef.plVal = &plainY;
    DispatchResult current;
    CallByName(HeroDispatch().Get(), L"AskForCurrentCharacterPosition", DISPATCH_METHOD,
               {StringArg(L"Ball"), StringArg(L"Stand"), IntArg(200), IntArg(300), xRef, yRef}, current);
    ASSERT_EQ(current.result, S_OK);
    EXPECT_EQ(plainX, 187);
    EXPECT_EQ(plainY, 460);
}

TEST_F(ScriptDispatchTest, PlayCommonAnimationTakesACharacterFromAScript) {
    com::ComPtr<ICharacter> ball = LoadCharacter(engine.Get(), L"b", L"Ball");
    VARIANT partner;
    VariantInit(&partner);
    partner.vt = VT_DISPATCH;
    partner.pdispVal = ball.Get();
    ball->AddRef();
    VARIANT reference = ReferenceTo(&partner);
    DispatchResult played;
    CallByName(HeroDispatch().Get(), L"PlayCommonAnimation", DISPATCH_METHOD | DISPATCH_PROPERTYGET,
               {StringArg(L"Kick"), reference}, played);
    VariantClear(&partner);
    ASSERT_EQ(played.result, S_OK);
    EXPECT_EQ(played.value.lVal, 1);
    ASSERT_TRUE(WaitForEvent(kRequestCompleteEvent, 1));
}

TEST_F(ScriptDispatchTest, ItemTakesAShortIndexByReference) {
    CLSID classId{};
    ASSERT_EQ(CLSIDFromProgID(L"VimroGE.GraphicFiles", &classId), S_OK);
    com::ComPtr<IDispatch> files;
    ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, files.PutVoid()), S_OK);
    VARIANT index = ShortArg(2);
    DispatchResult item;
    CallByName(files.Get(), L"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {ReferenceTo(&index)}, item);
    ASSERT_EQ(item.result, S_OK);
    ASSERT_EQ(item.value.vt, VT_DISPATCH);
    DispatchResult name;
    CallByName(item.value.pdispVal, L"characterName", DISPATCH_PROPERTYGET, {}, name);
    EXPECT_STREQ(name.value.bstrVal, L"Ball");
}
