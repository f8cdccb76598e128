// IDispatch by hand: a table of member names, DISPID = position + 1, and one
// handler per object kind. Failures become what Word returns: EXCEPINFO for
// Word's own errors, plain HRESULTs for bad calls.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "word/com/automation_values.h"

namespace standin_server {

class ServerState;

// A call that cannot be made as asked (wrong types, missing arguments).
struct BadCall {
    HRESULT result;
    UINT argument = 0;
};

// The arguments of one Invoke, in declared order, of exactly the automation
// types that Word's callers pass.
class Arguments {
public:
    Arguments(const DISPPARAMS& parameters, WORD flags);

    bool is_put() const { return put_; }
    void expect(std::size_t count) const;
    std::int32_t int32(std::size_t index) const;
    float float32(std::size_t index) const;
    bool boolean(std::size_t index) const;
    std::string text(std::size_t index) const;
    bool omitted(std::size_t index) const;
    // One of Word's enumerations, as the integer Word takes.
    template <class Enumeration>
    Enumeration enumeration(std::size_t index) const
    {
        return static_cast<Enumeration>(int32(index));
    }
    // An object argument, or null for Nothing.
    IDispatch* object(std::size_t index) const;
    // The value of a property put.
    const VARIANT& value() const { return at(0); }

private:
    const VARIANT& at(std::size_t index) const;

    const DISPPARAMS& parameters_;
    bool put_;
};

// Counts the strong connections that COM holds for callers in other
// processes. COM's stubs keep references of their own to the application
// for as long as it is in the running object table, so only its connections
// tell whether callers still hold it.
class ExternalConnections : public IExternalConnection {
public:
    explicit ExternalConnections(IDispatch& owner) : owner_(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        return owner_.QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }
    DWORD STDMETHODCALLTYPE AddConnection(DWORD type, DWORD) override;
    DWORD STDMETHODCALLTYPE ReleaseConnection(DWORD type, DWORD, BOOL) override;

    long strong = 0;

private:
    IDispatch& owner_;
};

class DispatchObject : public IDispatch {
public:
    DispatchObject(ServerState& state, const char* kind, std::initializer_list<const wchar_t*> members);
    virtual ~DispatchObject();
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument_error) override;

    long references() const { return references_; }
    long connections() const { return connections_.strong; }
    // Word's objects count their callers' round trips; the control does not.
    virtual bool is_word_object() const { return true; }

protected:
    // The member at index (0-based in the table); its result, if any.
    virtual word::com::Variant invoke_member(std::size_t member, const Arguments& arguments) = 0;
    virtual bool offers(REFIID iid) const;

    ServerState& state_;

private:
    const char* kind_;
    std::vector<std::wstring> members_;
    long references_ = 1;
    ExternalConnections connections_{*this};
};

// Hands a new object to the caller: its one reference goes into the result.
word::com::Variant object_result(DispatchObject* object);

}  // namespace standin_server
