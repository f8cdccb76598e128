#include "app/win/com_apartment.h"

#include <objbase.h>

namespace app::win {

// S_FALSE (already initialised on this thread) also takes a reference.
ComApartment::ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}

ComApartment::~ComApartment()
{
    if (initialised_) CoUninitialize();
}

}  // namespace app::win
