#include "word/com/dispatch.h"

#include <utility>
#include <vector>

#include "platform/win/text.h"
#include "word/com/busy_word.h"
#include "word/com/ole_failure.h"
#include "word/errors.h"

namespace word::com {

using Microsoft::WRL::ComPtr;

namespace {

unsigned current_server = 0;

}  // namespace

void forget_member_ids()
{
    ++current_server;
}

DISPID MemberIds::find(IDispatch& object, const char* member)
{
    if (server_ != current_server) {
        ids_.clear();
        server_ = current_server;
    }
    if (const auto known = ids_.find(member); known != ids_.end()) return known->second;
    std::wstring name = platform::win::to_utf16(member);
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result =
        retry_while_busy([&] { return object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); });
    if (result == DISP_E_UNKNOWNNAME || result == DISP_E_MEMBERNOTFOUND) raise_unknown_member(member);
    check_system(result);
    ids_.emplace(member, id);
    return id;
}

Dispatch::Dispatch(ComPtr<IDispatch> object, MemberIds& ids) : object_(std::move(object)), ids_(ids) {}

Variant Dispatch::get(const char* member)
{
    return invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, false);
}

float Dispatch::get_float32(const char* member, std::initializer_list<const Variant*> arguments)
{
    Variant result = invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, arguments, false);
    Variant number;
    check_system(VariantChangeType(number.put(), &result.get(), 0, VT_R4));
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
    check_system(VariantChangeType(number.put(), &result.get(), 0, VT_I4));
    return number.get().lVal;
}

std::string Dispatch::get_text(const char* member)
{
    Variant result = get(member);
    Variant text;
    check_system(VariantChangeType(text.put(), &result.get(), 0, VT_BSTR));
    const BSTR value = text.get().bstrVal;
    return platform::win::bstr_to_utf8(value);
}

void Dispatch::put(const char* member, const Variant& value)
{
    invoke(member, DISPATCH_PROPERTYPUT, {&value}, true);
}

Variant Dispatch::call(const char* member, std::initializer_list<const Variant*> arguments)
{
    return invoke(member, DISPATCH_METHOD, arguments, false);
}

ComPtr<IDispatch> Dispatch::call_object(const char* member, std::initializer_list<const Variant*> arguments)
{
    Variant result = call(member, arguments);
    return object_of(result);
}

Variant Dispatch::invoke(const char* member, WORD flags, std::initializer_list<const Variant*> arguments,
                         bool property_put)
{
    const DISPID id = ids_.find(*object_.Get(), member);

    // Invoke takes the arguments last to first. The copies are shallow: the
    // callee does not free them, their owners do.
    std::vector<VARIANT> reversed;
    reversed.reserve(arguments.size());
    for (auto argument = std::rbegin(arguments); argument != std::rend(arguments); ++argument)
        reversed.push_back((*argument)->get());

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
    const HRESULT outcome = retry_while_busy([&] {
        // A stale error object from an earlier call must not describe this one.
        SetErrorInfo(0, nullptr);
        return object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                               property_put ? nullptr : result.put(), exception.put(), &argument_error);
    });
    check_call(outcome, exception);
    return result;
}

ComPtr<IDispatch> object_of(Variant& result)
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
