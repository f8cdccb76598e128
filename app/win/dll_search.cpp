#include "app/win/dll_search.h"

#include <windows.h>

namespace app::win {

void restrict_dll_search_to_system_folder()
{
    SetDllDirectoryW(L"");
    // Windows 7 has it only with its update KB2533623: looked up, not linked.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    if (HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll")) {
        if (auto set_default = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
                reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")))) {
            set_default(LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
    }
}

}  // namespace app::win
