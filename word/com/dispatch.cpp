#include "word/com/dispatch.h"

#include <utility>
#include <vector>

#include "platform/win/text.h"
#include "word/com/busy_word.h"
#include "word/com/ole_failure.h"
#include "word/errors.h"

namespace word::com {

using Microsoft::WRL::ComPtr;

Dispatch::Dispatch(ComPtr<IDispatch> object, ComSession& session, std::string_view interface_name)
    : object_(std::move(object)), session_(session), ids_(session.member_ids(interface_name))
{
}

DISPID Dispatch::lookup(const char* member)
{
    if (const auto known = ids_.find(member); known != ids_.end()) return known->second;
    std::wstring name = platform::win::to_utf16(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = retry_while_busy(session_.busy(), [&] {
        return object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    });
    // A name the server lacks stays known as lacking: it is not asked again.
    if (result == DISP_E_UNKNOWNNAME || result == DISP_E_MEMBERNOTFOUND) id = DISPID_UNKNOWN;
    else check_system(result, session_.program_name());
    ids_.emplace(member, id);
    return id;
}

DISPID Dispatch::id_of(const char* member)
{
    const DISPID id = lookup(member);
    if (id == DISPID_UNKNOWN) raise_unknown_member(member);
    return id;
}

Variant Dispatch::get(const char* member)
{
    return invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, false);
}

float Dispatch::as_float32(Variant result)
{
    Variant number;
    check_system(VariantChangeType(number.put(), &result.get(), 0, VT_R4), session_.program_name());
    return number.get().fltVal;
}

ComPtr<IDispatch> Dispatch::get_object(const char* member)
{
    Variant result = get(member);
    return object_of(result);
}

std::int32_t Dispatch::get_int32(const char* member)
{
    Variant result = get(member);
    Variant number;
    check_system(VariantChangeType(number.put(), &result.get(), 0, VT_I4), session_.program_name());
    return number.get().lVal;
}

std::string Dispatch::get_text(const char* member)
{
    Variant result = get(member);
    Variant text;
    check_system(VariantChangeType(text.put(), &result.get(), 0, VT_BSTR), session_.program_name());
    const BSTR value = text.get().bstrVal;
    return platform::win::bstr_to_utf8(value);
}

Variant Dispatch::invoke(const char* member, WORD flags, std::span<const Variant> arguments, bool property_put)
{
    const DISPID id = id_of(member);

    // Invoke takes the arguments last to first. The copies are shallow: the
    // callee does not free them, their owners do.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument)
        reversed.push_back(argument->get());

    DISPID put_id = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{};
    parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
    parameters.cArgs = static_cast<UINT>(reversed.size());
    if (property_put) {
        parameters.rgdispidNamedArgs = &put_id;
        parameters.cNamedArgs = 1;
    }

    Variant result;
    ExceptionInfo exception;
    UINT argument_error = 0;
    const HRESULT outcome = retry_while_busy(session_.busy(), [&] {
        // A stale error object from an earlier call must not describe this one.
        SetErrorInfo(0, nullptr);
        return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                               property_put ? nullptr : result.put(), exception.put(), &argument_error);
    });
    check_call(outcome, exception, session_.program_name());
    return result;
}

// The object in a result: an IDispatch, or anything that offers one.
ComPtr<IDispatch> Dispatch::object_of(Variant& result)
{
    const VARIANT& value = result.get();
    ComPtr<IDispatch> object;
    if (value.vt == VT_DISPATCH && value.pdispVal) {
        object = value.pdispVal;
    } else if (value.vt == VT_UNKNOWN && value.punkVal) {
        check_system(value.punkVal->QueryInterface(IID_PPV_ARGS(object.GetAddressOf())));
    } else {
        check_system(DISP_E_TYPEMISMATCH);
    }
    return object;
}

}  // namespace word::com
