// A portable exe is often started from Downloads: DLLs planted beside it
// must not be loaded in place of the system's.
#pragma once

namespace app::win {

// Loads DLLs from the system folder only, where the system allows it
// (SetDefaultDllDirectories); otherwise at least drops the current
// directory from the search.
void restrict_dll_search_to_system_folder();

}  // namespace app::win
