// Every component test runs in a single-threaded apartment with the server registered the
// way an installer registers it.
#include <gtest/gtest.h>

#include "ComTestSupport.h"

namespace {

class ComEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_EQ(component_tests::RunRegsvr32(false), 0u) << "regsvr32 /s VimroGE.dll";
    }
    void TearDown() override { CoUninitialize(); }
};

[[maybe_unused]] testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace
