#include "tests/e2e/probe/standin_control.h"

#include "tests/standin_server/standin_ids.h"
#include "word/com/dispatch.h"
#include "platform/win/text.h"

namespace e2e_probe {

using word::com::Dispatch;
using word::com::Variant;

namespace {

// The control is no Word: a session of its own.
word::com::ComSession control_session;

Dispatch control_object(IDispatch* control)
{
    return Dispatch{control, control_session, "StandinControl"};
}

bool watching_wps = false;

}  // namespace

void StandinControl::watch_wps(bool wps)
{
    watching_wps = wps;
}

std::optional<StandinControl> StandinControl::find()
{
    Microsoft::WRL::ComPtr<IUnknown> object;
    const CLSID& control_class = watching_wps ? standin_server::kWpsControlClass : standin_server::kControlClass;
    if (FAILED(GetActiveObject(control_class, nullptr, object.GetAddressOf())) || !object)
        return std::nullopt;
    Microsoft::WRL::ComPtr<IDispatch> control;
    if (FAILED(object.As(&control))) return std::nullopt;
    return StandinControl(std::move(control));
}

std::string StandinControl::state_json() { return control_object(control_.Get()).get_text("State"); }

std::string StandinControl::render() { return control_object(control_.Get()).get_text("Render"); }

std::int32_t StandinControl::number(const char* member) { return control_object(control_.Get()).get_int32(member); }

void StandinControl::reset_counts() { control_object(control_.Get()).call("ResetCounts"); }

void StandinControl::fail_call(std::int32_t k, std::int32_t kind, std::int32_t result, const std::string& description)
{
    control_object(control_.Get()).call("FailCall", k, description, result, kind, "Microsoft Word", "", std::int32_t{0});
}

void StandinControl::open_text(const std::string& windows_path)
{
    control_object(control_.Get()).call("OpenText", windows_path);
}

void StandinControl::busy_for(std::int32_t milliseconds, std::int32_t rejection)
{
    control_object(control_.Get()).call("BusyFor", milliseconds, rejection);
}

std::string StandinControl::call_at(std::int32_t k)
{
    Variant name = control_object(control_.Get()).call("CallAt", k);
    const VARIANT& value = name.get();
    if (value.vt != VT_BSTR || !value.bstrVal) return {};
    return platform::win::to_utf8(std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)));
}

void StandinControl::close_documents() { control_object(control_.Get()).call("CloseDocuments"); }

void StandinControl::quit() { control_object(control_.Get()).call("Quit"); }

}  // namespace e2e_probe
