// What the stand-in Word server and its tests agree on.
#pragma once

#include <windows.h>

namespace standin_server {

// Word.Application, as the real Word registers it.
inline constexpr CLSID kWordApplicationClass = {
    0x000209FF, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kApplicationInterface = {
    0x00020970, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The class the stand-in registers when it plays WPS Writer, under one of
// WPS's names ("KWPS.Application"); Tidyset finds it by that name alone.
inline constexpr CLSID kStandinWpsClass = {
    0x6d2ae446, 0xa3af, 0x4b34, {0xa6, 0xe5, 0xb0, 0x15, 0x83, 0xbf, 0x01, 0xb7}};
inline constexpr const wchar_t* kStandinWpsClassText = L"{6D2AE446-A3AF-4B34-A6E5-B01583BF01B7}";
// WPS Writer's names, newer first.
inline constexpr const wchar_t* kWpsProgIds[] = {L"KWPS.Application", L"WPS.Application"};

// What the stand-in's ranges answer besides IDispatch, so that a range
// handed back as an argument (Fields.Add) is known for one of its own.
inline constexpr IID kStandinRangeInterface = {
    0x3c1f7a52, 0x6b0e, 0x4d8e, {0x9a, 0x41, 0x2e, 0x57, 0x0b, 0xd3, 0x86, 0x1c}};

// The control object through which tests steer the server and read what it
// saw; registered in the running object table under this class id.
inline constexpr CLSID kControlClass = {
    0xa06b2bb1, 0x40e4, 0x419c, {0xb5, 0x5a, 0x61, 0x29, 0x88, 0x30, 0xa5, 0x1d}};
// The control of a stand-in playing WPS, so that one of each can run.
inline constexpr CLSID kWpsControlClass = {
    0x95b86936, 0xb611, 0x472f, {0xa8, 0x94, 0xaf, 0xa9, 0xef, 0x12, 0xe8, 0xa7}};

// How an injected failure reaches the caller.
enum class FaultKind : int {
    dispatch_exception = 0,  // DISP_E_EXCEPTION with EXCEPINFO, as Word does
    error_object = 1,    // the HRESULT itself, described by SetErrorInfo
    bare_result = 2,     // the HRESULT alone
    dropped_connection = 3,  // the server dies inside the call, as a Word that crashed
};

}  // namespace standin_server
