// Owners of the automation runtime's values: BSTRs and VARIANTs are freed on
// every path, exceptions included.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace word::com {

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::string_view utf8);
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : value_(other.release()) {}
    Bstr& operator=(Bstr&& other) noexcept;

    BSTR get() const { return value_; }
    // For out-parameters: frees what was held.
    BSTR* put();
    BSTR release();
    std::string utf8() const;

private:
    BSTR value_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;

    static Variant int32(std::int32_t value);
    static Variant float32(float value);
    static Variant boolean(bool value);  // VARIANT_TRUE is -1
    static Variant text(std::string_view utf8);
    // An omitted optional argument.
    static Variant missing();
    // An object argument; the variant holds a reference of its own.
    static Variant object(IDispatch* object);

    const VARIANT& get() const { return value_; }
    VARIANT& get() { return value_; }
    // For out-parameters: clears what was held.
    VARIANT* put();
    // Hands the value over to a caller that will clear it.
    VARIANT release();

private:
    VARIANT value_;
};

// An omitted optional argument.
struct Missing {};
inline constexpr Missing missing{};

// A call's argument from its C++ type: Word's enumerations and flags as
// VT_I4, measures as VT_R4. Any other type is refused rather than converted.
inline Variant argument(std::int32_t value) { return Variant::int32(value); }
inline Variant argument(float value) { return Variant::float32(value); }
inline Variant argument(bool value) { return Variant::boolean(value); }
inline Variant argument(std::string_view utf8) { return Variant::text(utf8); }
inline Variant argument(const std::string& utf8) { return Variant::text(utf8); }
inline Variant argument(const char* utf8) { return Variant::text(utf8); }
inline Variant argument(IDispatch* object) { return Variant::object(object); }
inline Variant argument(Missing) { return Variant::missing(); }
template <class Enum>
    requires std::is_enum_v<Enum>
Variant argument(Enum value)
{
    return Variant::int32(static_cast<std::int32_t>(value));
}
template <class Other>
Variant argument(Other) = delete;

}  // namespace word::com
