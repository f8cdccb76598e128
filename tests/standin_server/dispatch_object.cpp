#include "tests/standin_server/dispatch_object.h"

#include <exception>

#include "tests/standin_server/server_state.h"
#include "platform/win/text.h"
#include "word/errors.h"

namespace standin_server {

using word::com::Bstr;
using word::com::Variant;

namespace {

void describe(EXCEPINFO& exception, const std::string& description, HRESULT code, const std::string& source,
              const std::string& help_file, DWORD help_context)
{
    exception = {};
    exception.bstrDescription = Bstr(description).release();
    exception.bstrSource = Bstr(source).release();
    exception.bstrHelpFile = help_file.empty() ? nullptr : Bstr(help_file).release();
    exception.dwHelpContext = help_context;
    exception.scode = code;
}

HRESULT fail_as_told(const PendingFault& fault, EXCEPINFO* exception)
{
    switch (fault.kind) {
    case FaultKind::dispatch_exception:
        if (!exception) return fault.result;
        describe(*exception, fault.description, fault.result, fault.source, fault.help_file, fault.help_context);
        return DISP_E_EXCEPTION;
    case FaultKind::error_object: {
        ICreateErrorInfo* creator = nullptr;
        if (SUCCEEDED(CreateErrorInfo(&creator))) {
            const std::wstring description = platform::win::to_utf16(fault.description);
            const std::wstring source = platform::win::to_utf16(fault.source);
            const std::wstring help_file = platform::win::to_utf16(fault.help_file);
            creator->SetDescription(const_cast<LPOLESTR>(description.c_str()));
            creator->SetSource(const_cast<LPOLESTR>(source.c_str()));
            creator->SetHelpFile(const_cast<LPOLESTR>(help_file.c_str()));
            creator->SetHelpContext(fault.help_context);
            IErrorInfo* error = nullptr;
            if (SUCCEEDED(creator->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&error)))) {
                SetErrorInfo(0, error);
                error->Release();
            }
            creator->Release();
        }
        return fault.result;
    }
    case FaultKind::bare_result:
        break;
    case FaultKind::dropped_connection:
        break;
    }
    return fault.result;
}

}  // namespace

DWORD ExternalConnections::AddConnection(DWORD type, DWORD)
{
    if (type & EXTCONN_STRONG) ++strong;
    return static_cast<DWORD>(strong);
}

DWORD ExternalConnections::ReleaseConnection(DWORD type, DWORD, BOOL)
{
    if (type & EXTCONN_STRONG) --strong;
    return static_cast<DWORD>(strong);
}

Arguments::Arguments(const DISPPARAMS& parameters, WORD flags)
    : parameters_(parameters), put_((flags & DISPATCH_PROPERTYPUT) != 0)
{
    if (put_) {
        // Word's properties take their value as the named argument
        // DISPID_PROPERTYPUT, and nothing else.
        if (parameters.cArgs != 1 || parameters.cNamedArgs != 1 || !parameters.rgdispidNamedArgs ||
            parameters.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            throw BadCall{DISP_E_PARAMNOTFOUND};
    } else if (parameters.cNamedArgs != 0) {
        throw BadCall{DISP_E_NONAMEDARGS};
    }
}

void Arguments::expect(std::size_t count) const
{
    if (put_ || parameters_.cArgs != count) throw BadCall{DISP_E_BADPARAMCOUNT};
}

const VARIANT& Arguments::at(std::size_t index) const
{
    if (index >= parameters_.cArgs) throw BadCall{DISP_E_BADPARAMCOUNT};
    return parameters_.rgvarg[put_ ? 0 : parameters_.cArgs - 1 - index];
}

std::int32_t Arguments::int32(std::size_t index) const
{
    const VARIANT& argument = at(index);
    if (argument.vt != VT_I4) throw BadCall{DISP_E_TYPEMISMATCH, static_cast<UINT>(index)};
    return argument.lVal;
}

float Arguments::float32(std::size_t index) const
{
    const VARIANT& argument = at(index);
    if (argument.vt != VT_R4) throw BadCall{DISP_E_TYPEMISMATCH, static_cast<UINT>(index)};
    return argument.fltVal;
}

bool Arguments::boolean(std::size_t index) const
{
    const VARIANT& argument = at(index);
    if (argument.vt != VT_BOOL || (argument.boolVal != VARIANT_TRUE && argument.boolVal != VARIANT_FALSE))
        throw BadCall{DISP_E_TYPEMISMATCH, static_cast<UINT>(index)};
    return argument.boolVal == VARIANT_TRUE;
}

std::string Arguments::text(std::size_t index) const
{
    const VARIANT& argument = at(index);
    if (argument.vt != VT_BSTR) throw BadCall{DISP_E_TYPEMISMATCH, static_cast<UINT>(index)};
    if (!argument.bstrVal) return {};
    return platform::win::to_utf8(std::wstring_view(argument.bstrVal, SysStringLen(argument.bstrVal)));
}

IDispatch* Arguments::object(std::size_t index) const
{
    const VARIANT& argument = at(index);
    if (argument.vt == VT_DISPATCH) return argument.pdispVal;
    if (argument.vt == (VT_DISPATCH | VT_BYREF) && argument.ppdispVal) return *argument.ppdispVal;
    throw BadCall{DISP_E_TYPEMISMATCH, static_cast<UINT>(index)};
}

bool Arguments::omitted(std::size_t index) const
{
    const VARIANT& argument = at(index);
    return argument.vt == VT_ERROR && argument.scode == DISP_E_PARAMNOTFOUND;
}

DispatchObject::DispatchObject(ServerState& state, const char* kind, std::initializer_list<const wchar_t*> members)
    : state_(state), kind_(kind), members_(members.begin(), members.end())
{
    state_.objects.insert(this);
}

DispatchObject::~DispatchObject()
{
    state_.objects.erase(this);
}

bool DispatchObject::offers(REFIID iid) const
{
    return IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch);
}

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IExternalConnection)) {
        *object = static_cast<IExternalConnection*>(&connections_);
        AddRef();
        return S_OK;
    }
    if (!offers(iid)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG DispatchObject::AddRef()
{
    return static_cast<ULONG>(++references_);
}

ULONG DispatchObject::Release()
{
    const long left = --references_;
    if (left == 0) {
        if (is_word_object()) ++state_.releases;
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0) return E_INVALIDARG;
    state_.last_call_tick = GetTickCount64();
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (is_word_object()) {
        if (state_.rejects_as_busy()) return state_.busy_result;
        ++state_.name_lookups;
        // The names this server plays without, on every object.
        if (state_.model->lacks(platform::win::to_utf8(names[0]))) return DISP_E_UNKNOWNNAME;
    }
    // Word's names are not case-sensitive.
    for (std::size_t i = 0; i < members_.size(); ++i) {
        if (CompareStringOrdinal(names[0], -1, members_[i].c_str(), -1, TRUE) == CSTR_EQUAL) {
            ids[0] = static_cast<DISPID>(i + 1);
            return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                               EXCEPINFO* exception, UINT* argument_error)
{
    if (id < 1 || static_cast<std::size_t>(id) > members_.size()) return DISP_E_MEMBERNOTFOUND;
    if (!parameters) return E_INVALIDARG;
    state_.last_call_tick = GetTickCount64();
    if (is_word_object()) {
        if (state_.rejects_as_busy()) return state_.busy_result;
        const std::string member = std::string(kind_) + "." + platform::win::to_utf8(members_[id - 1]);
        if (const auto fault = state_.count_call(member)) {
            if (fault->kind == FaultKind::dropped_connection) {
                // No answer: the caller is left with a connection to a
                // process that is gone, as with a Word that crashed.
                if (state_.revoke_registrations) state_.revoke_registrations();
                TerminateProcess(GetCurrentProcess(), 3);
            }
            return fail_as_told(*fault, exception);
        }
    }
    try {
        const Arguments arguments{*parameters, flags};
        Variant value = invoke_member(static_cast<std::size_t>(id - 1), arguments);
        if (result) *result = value.release();
        return S_OK;
    } catch (const BadCall& bad) {
        if (argument_error) *argument_error = bad.argument;
        return bad.result;
    } catch (const word::EOleException& error) {
        if (!exception) return error.error_code();
        describe(*exception, error.what(), error.error_code(), error.source(), error.help_file(),
                 static_cast<DWORD>(error.help_context()));
        return DISP_E_EXCEPTION;
    } catch (const std::exception& error) {
        if (!exception) return E_UNEXPECTED;
        describe(*exception, error.what(), E_UNEXPECTED, "Stand-in Word", "", 0);
        return DISP_E_EXCEPTION;
    }
}

Variant object_result(DispatchObject* object)
{
    Variant result;
    VARIANT* value = result.put();
    value->vt = VT_DISPATCH;
    value->pdispVal = object;
    return result;
}

}  // namespace standin_server
