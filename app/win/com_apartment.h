// COM for the GUI thread, as a single-threaded apartment, for the life of the
// object. Released only when the initialisation succeeded.
#pragma once

#include <windows.h>

namespace app::win {

class ComApartment {
public:
    ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment();

    bool initialised() const { return initialised_; }

private:
    bool initialised_;
};

}  // namespace app::win
