// The test program's thread is a single-threaded apartment, as Tidyset's GUI
// thread is; no stand-in Word outlives the program.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "tests/windows/com/standin_word.h"

namespace {

class ComApartment : public testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    void TearDown() override
    {
        while (com_tests::StandinWord::is_running()) com_tests::StandinWord::running().quit();
        CoUninitialize();
    }
};

[[maybe_unused]] testing::Environment* const apartment = testing::AddGlobalTestEnvironment(new ComApartment);

}  // namespace
