// The test program's thread is a single-threaded apartment, as Tidyset's GUI
// thread is; no stand-in Word outlives the program.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <memory>

#include "tests/windows/com/standin_word.h"
#include "word/com/busy_word.h"

namespace {

class ComApartment : public testing::Environment {
    std::unique_ptr<word::com::BusyWordFilter> filter_;

public:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        // As Tidyset does; Wine never calls it, so the COM link retries too.
        filter_ = std::make_unique<word::com::BusyWordFilter>();
    }
    void TearDown() override
    {
        com_tests::StandinWord::quit_all();
        filter_.reset();
        CoUninitialize();
    }
};

[[maybe_unused]] testing::Environment* const apartment = testing::AddGlobalTestEnvironment(new ComApartment);

}  // namespace
