// Late-bound calls on one of Word's objects. Each member name is looked up
// once per interface type and process; after that a member call is exactly
// one Invoke, one round trip to Word.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <initializer_list>
#include <map>
#include <string>

#include "word/com/automation_values.h"

namespace word::com {

// The DISPIDs of one interface type of Word's, by member name. Word gives
// every object of a type the same DISPIDs.
class MemberIds {
public:
    explicit MemberIds(const char* interface_name) : interface_name_(interface_name) {}
    DISPID find(IDispatch& object, const char* member);

private:
    const char* interface_name_;
    std::map<std::string, DISPID, std::less<>> ids_;
    unsigned server_ = 0;
};

// Another server (WPS instead of Word) numbers the same members otherwise:
// every table looks its names up again.
void forget_member_ids();

class Dispatch {
public:
    Dispatch(Microsoft::WRL::ComPtr<IDispatch> object, MemberIds& ids);

    // The object itself, to pass as another call's argument.
    IDispatch* object() const { return object_.Get(); }

    // A property read (or a method with a result).
    Variant get(const char* member);
    Microsoft::WRL::ComPtr<IDispatch> get_object(const char* member);
    std::int32_t get_int32(const char* member);
    std::string get_text(const char* member);
    // A property read with arguments, as a number.
    float get_float32(const char* member, std::initializer_list<const Variant*> arguments);

    void put(const char* member, const Variant& value);

    // A method; the arguments in their declared order.
    Variant call(const char* member, std::initializer_list<const Variant*> arguments = {});
    Microsoft::WRL::ComPtr<IDispatch> call_object(const char* member,
                                                  std::initializer_list<const Variant*> arguments);

private:
    Variant invoke(const char* member, WORD flags, std::initializer_list<const Variant*> arguments,
                   bool property_put);

    Microsoft::WRL::ComPtr<IDispatch> object_;
    MemberIds& ids_;
};

// The object in a result: an IDispatch, or anything that offers one.
Microsoft::WRL::ComPtr<IDispatch> object_of(Variant& result);

}  // namespace word::com
