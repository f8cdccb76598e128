// What the stand-in Word server and its tests agree on.
#pragma once

#include <windows.h>

namespace standin_server {

// Word.Application, as the real Word registers it.
inline constexpr CLSID kWordApplicationClass = {
    0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kApplicationInterface = {
    0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The control object through which tests steer the server and read what it
// saw; registered in the running object table under this class id.
inline constexpr CLSID kControlClass = {
    0xa06b2bb1, 0x40e4, 0x419c, {0xb5, 0x5a, 0x61, 0x29, 0x88, 0x30, 0xa5, 0x1d}};

// How an injected failure reaches the caller.
enum class FaultKind : int {
    dispatch_exception = 0,  // DISP_E_EXCEPTION with EXCEPINFO, as Word does
    error_object = 1,    // the HRESULT itself, described by SetErrorInfo
    bare_result = 2,     // the HRESULT alone
    dropped_connection = 3,  // the server dies inside the call, as a Word that crashed
};

}  // namespace standin_server
