// The stand-in Word's control object, for reading the document it holds and
// for telling it how to fail. Nothing here touches Word's own objects, so
// the probe never adds to the references the stand-in counts.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <optional>
#include <string>

namespace e2e_probe {

class StandinControl {
public:
    // The control of the stand-in that runs now; nothing when none runs.
    static std::optional<StandinControl> find();
    // Which stand-in find() looks for: the one playing Word (the default)
    // or the one playing WPS Writer.
    static void watch_wps(bool wps);

    std::string state_json();
    std::string render();
    std::int32_t number(const char* member);  // References, MemberCalls, ...
    void reset_counts();
    void fail_call(std::int32_t k, std::int32_t kind, std::int32_t result, const std::string& description);
    void open_text(const std::string& windows_path);
    void close_documents();
    // Rejects every call as busy for that long.
    void busy_for(std::int32_t milliseconds, std::int32_t rejection);
    // The k-th member call since the counts were reset ("" past the last).
    std::string call_at(std::int32_t k);
    // Asks the server to end; returns at once.
    void quit();

private:
    explicit StandinControl(Microsoft::WRL::ComPtr<IDispatch> control) : control_(std::move(control)) {}
    Microsoft::WRL::ComPtr<IDispatch> control_;
};

}  // namespace e2e_probe
