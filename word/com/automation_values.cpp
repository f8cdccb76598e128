#include "word/com/automation_values.h"

#include <utility>

#include "platform/win/text.h"

namespace word::com {

Bstr::Bstr(std::string_view utf8)
{
    const std::wstring wide = platform::win::to_utf16(utf8);
    value_ = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!value_) throw std::bad_alloc();
}

Bstr& Bstr::operator=(Bstr&& other) noexcept
{
    if (this != &other) {
        SysFreeString(value_);
        value_ = other.release();
    }
    return *this;
}

BSTR* Bstr::put()
{
    SysFreeString(value_);
    value_ = nullptr;
    return &value_;
}

BSTR Bstr::release()
{
    return std::exchange(value_, nullptr);
}

std::string Bstr::utf8() const
{
    if (!value_) return {};
    return platform::win::bstr_to_utf8(value_);
}

Variant::Variant(Variant&& other) noexcept : value_(other.value_)
{
    VariantInit(&other.value_);
}

Variant& Variant::operator=(Variant&& other) noexcept
{
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

Variant Variant::int32(std::int32_t value)
{
    Variant variant;
    variant.value_.vt = VT_I4;
    variant.value_.lVal = value;
    return variant;
}

Variant Variant::float32(float value)
{
    Variant variant;
    variant.value_.vt = VT_R4;
    variant.value_.fltVal = value;
    return variant;
}

Variant Variant::boolean(bool value)
{
    Variant variant;
    variant.value_.vt = VT_BOOL;
    variant.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return variant;
}

Variant Variant::text(std::string_view utf8)
{
    Bstr text{utf8};
    Variant variant;
    variant.value_.vt = VT_BSTR;
    variant.value_.bstrVal = text.release();
    return variant;
}

Variant Variant::missing()
{
    Variant variant;
    variant.value_.vt = VT_ERROR;
    variant.value_.scode = DISP_E_PARAMNOTFOUND;
    return variant;
}

Variant Variant::object(IDispatch* object)
{
    Variant variant;
    variant.value_.vt = VT_DISPATCH;
    variant.value_.pdispVal = object;
    if (object) object->AddRef();
    return variant;
}

VARIANT* Variant::put()
{
    VariantClear(&value_);
    return &value_;
}

VARIANT Variant::release()
{
    VARIANT value = value_;
    VariantInit(&value_);
    return value;
}

}  // namespace word::com
