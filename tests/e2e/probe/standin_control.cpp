#include "tests/e2e/probe/standin_control.h"

#include "tests/standin_server/standin_ids.h"
#include "word/com/dispatch.h"
#include "platform/win/text.h"

namespace e2e_probe {

using word::com::Dispatch;
using word::com::MemberIds;
using word::com::Variant;

namespace {

MemberIds& control_ids()
{
    static MemberIds ids{"StandinControl"};
    return ids;
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

std::string StandinControl::state_json() { return Dispatch{control_, control_ids()}.get_text("State"); }

std::string StandinControl::render() { return Dispatch{control_, control_ids()}.get_text("Render"); }

std::int32_t StandinControl::number(const char* member) { return Dispatch{control_, control_ids()}.get_int32(member); }

void StandinControl::reset_counts() { Dispatch{control_, control_ids()}.call("ResetCounts"); }

void StandinControl::fail_call(std::int32_t k, std::int32_t kind, std::int32_t result, const std::string& description)
{
    const auto call_number = Variant::int32(k);
    const auto description_argument = Variant::text(description);
    const auto result_argument = Variant::int32(result);
    const auto kind_argument = Variant::int32(kind);
    const auto source = Variant::text("Microsoft Word");
    const auto help_file = Variant::text("");
    const auto help_context = Variant::int32(0);
    Dispatch{control_, control_ids()}.call(
        "FailCall", {&call_number, &description_argument, &result_argument, &kind_argument, &source, &help_file,
                     &help_context});
}

void StandinControl::open_text(const std::string& windows_path)
{
    const auto path = Variant::text(windows_path);
    Dispatch{control_, control_ids()}.call("OpenText", {&path});
}

void StandinControl::busy_for(std::int32_t milliseconds, std::int32_t rejection)
{
    const auto time = Variant::int32(milliseconds);
    const auto result = Variant::int32(rejection);
    Dispatch{control_, control_ids()}.call("BusyFor", {&time, &result});
}

std::string StandinControl::call_at(std::int32_t k)
{
    const auto number = Variant::int32(k);
    Variant name = Dispatch{control_, control_ids()}.call("CallAt", {&number});
    const VARIANT& value = name.get();
    if (value.vt != VT_BSTR || !value.bstrVal) return {};
    return platform::win::to_utf8(std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)));
}

void StandinControl::close_documents() { Dispatch{control_, control_ids()}.call("CloseDocuments"); }

void StandinControl::quit() { Dispatch{control_, control_ids()}.call("Quit"); }

}  // namespace e2e_probe
