// Late-bound calls on one of Word's objects. Each member name is looked up
// once per interface type and session; after that a member call is exactly
// one Invoke, one round trip to Word.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "word/com/automation_values.h"
#include "word/com/session.h"

namespace word::com {

class Dispatch {
public:
    // The session gives the DISPIDs of the interface type and the busy
    // window; it outlives the object.
    Dispatch(Microsoft::WRL::ComPtr<IDispatch> object, ComSession& session, std::string_view interface_name);

    // The object itself, to pass as another call's argument.
    IDispatch* object() const { return object_.Get(); }

    // Whether the object answers to the name (looked up once per session).
    bool has(const char* member) { return lookup(member) != DISPID_UNKNOWN; }

    // A property read (or a method with a result).
    Variant get(const char* member);
    Microsoft::WRL::ComPtr<IDispatch> get_object(const char* member);
    std::int32_t get_int32(const char* member);
    std::string get_text(const char* member);
    // A property read with arguments (Range.Information), as a number.
    template <class... Arguments>
    float get_float32(const char* member, const Arguments&... arguments)
    {
        const std::array<Variant, sizeof...(Arguments)> values{argument(arguments)...};
        return as_float32(invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, values, false));
    }

    template <class Value>
    void put(const char* member, const Value& value)
    {
        const std::array<Variant, 1> values{argument(value)};
        invoke(member, DISPATCH_PROPERTYPUT, values, true);
    }

    // A method; the arguments in their declared order.
    template <class... Arguments>
    Variant call(const char* member, const Arguments&... arguments)
    {
        const std::array<Variant, sizeof...(Arguments)> values{argument(arguments)...};
        return invoke(member, DISPATCH_METHOD, values, false);
    }
    template <class... Arguments>
    Microsoft::WRL::ComPtr<IDispatch> call_object(const char* member, const Arguments&... arguments)
    {
        Variant result = call(member, arguments...);
        return object_of(result);
    }

private:
    // DISPID_UNKNOWN for a name the server does not know.
    DISPID lookup(const char* member);
    DISPID id_of(const char* member);
    Variant invoke(const char* member, WORD flags, std::span<const Variant> arguments, bool property_put);
    static Microsoft::WRL::ComPtr<IDispatch> object_of(Variant& result);
    float as_float32(Variant result);

    Microsoft::WRL::ComPtr<IDispatch> object_;
    ComSession& session_;
    MemberIds& ids_;
};

}  // namespace word::com
