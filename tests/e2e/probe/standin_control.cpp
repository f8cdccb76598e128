#include "tests/e2e/probe/standin_control.h"

#include "tests/standin_server/standin_ids.h"
#include "word/com/dispatch.h"

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

}  // namespace

std::optional<StandinControl> StandinControl::find()
{
    Microsoft::WRL::ComPtr<IUnknown> object;
    if (FAILED(GetActiveObject(standin_server::kControlClass, nullptr, object.GetAddressOf())) || !object)
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

void StandinControl::close_documents() { Dispatch{control_, control_ids()}.call("CloseDocuments"); }

void StandinControl::quit() { Dispatch{control_, control_ids()}.call("Quit"); }

}  // namespace e2e_probe
