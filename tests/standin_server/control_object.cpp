#include "tests/standin_server/control_object.h"

#include <cstdio>
#include <string>

#include "tests/standin/dump.h"
#include "tests/standin/text_load.h"
#include "tests/standin_server/server_state.h"
#include "platform/win/text.h"

namespace standin_server {

using word::com::Variant;

namespace {

class ControlObject : public DispatchObject {
public:
    explicit ControlObject(ServerState& state)
        : DispatchObject(state, "Control",
                         {L"State", L"RoundTrips", L"MemberCalls", L"NameLookups", L"CallsOf", L"ResetCounts",
                          L"References", L"ObjectsAlive", L"FailCall", L"OpenText", L"CloseDocuments", L"Drop",
                          L"Quit", L"ModelCalls", L"ApplicationConnections", L"ApplicationReferences",
                          L"Render", L"Releases", L"BusyFor", L"BusyCalls", L"Rejections", L"ScreenUpdating",
                          L"UndoRecordOpen", L"UndoSteps", L"CallAt", L"UndoStepCount", L"OpenListText", L"Undo"})
    {
    }

    bool is_word_object() const override { return false; }

protected:
    Variant invoke_member(std::size_t member, const Arguments& arguments) override
    {
        switch (member) {
        case 0: arguments.expect(0); return Variant::text(standin::to_json(*state_.model));
        case 1: arguments.expect(0); return Variant::int32(state_.name_lookups + state_.member_calls);
        case 2: arguments.expect(0); return Variant::int32(state_.member_calls);
        case 3: arguments.expect(0); return Variant::int32(state_.name_lookups);
        case 4: {
            arguments.expect(1);
            const auto found = state_.calls_by_member.find(arguments.text(0));
            return Variant::int32(found == state_.calls_by_member.end() ? 0 : found->second);
        }
        case 5: arguments.expect(0); state_.reset_counts(); return {};
        case 6: arguments.expect(0); return Variant::int32(state_.outstanding_references());
        case 7: arguments.expect(0); return Variant::int32(static_cast<std::int32_t>(state_.word_objects_alive()));
        case 8:
            arguments.expect(7);
            state_.fault = PendingFault{arguments.int32(0),
                                        static_cast<FaultKind>(arguments.int32(3)),
                                        arguments.text(1),
                                        static_cast<HRESULT>(arguments.int32(2)),
                                        arguments.text(4),
                                        arguments.text(5),
                                        static_cast<DWORD>(arguments.int32(6))};
            return {};
        case 9:
            arguments.expect(1);
            if (!open_text_file(state_, platform::win::to_utf16(arguments.text(0))))
                throw BadCall{STG_E_FILENOTFOUND};
            return {};
        case 10: arguments.expect(0); state_.model->documents.clear(); return {};
        case 11: arguments.expect(0); PostThreadMessageW(state_.main_thread, kDropMessage, 0, 0); return {};
        case 12: arguments.expect(0); PostThreadMessageW(state_.main_thread, kQuitMessage, 0, 0); return {};
        case 13:
            arguments.expect(0);
            return Variant::int32(static_cast<std::int32_t>(state_.model->call_count()));
        case 14: arguments.expect(0); return Variant::int32(state_.application->connections());
        case 16:
            arguments.expect(0);
            return Variant::text(state_.model->documents.empty() ? std::string{}
                                                                 : standin::render(state_.model->active()));
        case 17: arguments.expect(0); return Variant::int32(state_.releases);
        case 18:
            // BusyFor(milliseconds, rejection): from now on, for that long.
            arguments.expect(2);
            state_.busy_until_tick = GetTickCount64() + static_cast<ULONGLONG>(arguments.int32(0));
            state_.busy_result = static_cast<HRESULT>(arguments.int32(1));
            return {};
        case 19:
            // BusyCalls(k, rejection): the next k calls.
            arguments.expect(2);
            state_.busy_calls = arguments.int32(0);
            state_.busy_result = static_cast<HRESULT>(arguments.int32(1));
            return {};
        case 20: arguments.expect(0); return Variant::int32(state_.rejections);
        case 21: arguments.expect(0); return Variant::int32(state_.model->screen_updating ? 1 : 0);
        case 22: arguments.expect(0); return Variant::int32(state_.model->recording_custom_record() ? 1 : 0);
        case 23:
            // The undo steps of the active document, by name, one a line.
            arguments.expect(0);
            {
                std::string names;
                if (!state_.model->documents.empty())
                    for (const auto& step : state_.model->active().undo_steps) names += step.name + "\n";
                return Variant::text(names);
            }
        case 24: {
            // CallAt(k): the k-th member call since the counts were reset.
            arguments.expect(1);
            const auto k = static_cast<std::size_t>(arguments.int32(0));
            return Variant::text(k >= 1 && k <= state_.call_names.size() ? state_.call_names[k - 1] : "");
        }
        case 25:
            arguments.expect(0);
            return Variant::int32(state_.model->documents.empty()
                                      ? 0
                                      : static_cast<std::int32_t>(state_.model->active().undo_steps.size()));
        case 26:
            arguments.expect(1);
            if (!open_text_file(state_, platform::win::to_utf16(arguments.text(0)), true))
                throw BadCall{STG_E_FILENOTFOUND};
            return {};
        case 27:
            // Ctrl+Z in the active document: 1 when a step was taken back.
            arguments.expect(0);
            return Variant::int32(!state_.model->documents.empty() &&
                                          state_.model->undo(state_.model->active_document())
                                      ? 1
                                      : 0);
        default: arguments.expect(0); return Variant::int32(state_.application->references());
        }
    }
};

}  // namespace

DispatchObject* new_control(ServerState& state)
{
    return new ControlObject(state);
}

bool open_text_file(ServerState& state, const std::wstring& path, bool list_markup)
{
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return false;
    std::string text;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, read);
    std::fclose(file);
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    state.model->documents.clear();
    state.model->open(list_markup ? standin::load_listed_text(text) : standin::load_text(text));
    return true;
}

}  // namespace standin_server
