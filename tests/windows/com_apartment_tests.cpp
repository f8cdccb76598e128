// COM as the program's GUI thread uses it: one single-threaded apartment,
// and the running object table that finds a running Word.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <gtest/gtest.h>

namespace {

// Not registered anywhere: {5E1F7C8A-3B2D-4F60-9A71-0C4D2E8B6F13}.
constexpr CLSID unregistered_class = {
    0x5e1f7c8a, 0x3b2d, 0x4f60, {0x9a, 0x71, 0x0c, 0x4d, 0x2e, 0x8b, 0x6f, 0x13}};

TEST(ComApartment, CoInitializeEntersTheMainSingleThreadedApartment)
{
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    APTTYPE type{};
    APTTYPEQUALIFIER qualifier{};
    EXPECT_EQ(CoGetApartmentType(&type, &qualifier), S_OK);
    EXPECT_EQ(type, APTTYPE_MAINSTA);
    CoUninitialize();
}

TEST(ComApartment, GetActiveObjectReportsAClassWithNoRunningInstanceAsUnavailable)
{
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    IUnknown* running = nullptr;
    EXPECT_EQ(GetActiveObject(unregistered_class, nullptr, &running), MK_E_UNAVAILABLE);
    EXPECT_EQ(running, nullptr);
    CoUninitialize();
}

TEST(ComApartment, CoCreateInstanceReportsAnUnregisteredClass)
{
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    IDispatch* created = nullptr;
    EXPECT_EQ(CoCreateInstance(unregistered_class, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(&created)),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(created, nullptr);
    CoUninitialize();
}

}  // namespace
