// e2e_bench_floor.exe CALLS: the floor under a run of tidyset.exe, as many
// minimal IDispatch calls (Documents.Count, by its DISPID) to the running
// Word as the run made. Prints the seconds they took.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tests/standin_server/standin_ids.h"

namespace {

DISPID id_of(IDispatch& object, const wchar_t* name)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

}  // namespace

int main(int count, char** arguments)
{
    if (count != 2) {
        std::fputs("usage: e2e_bench_floor.exe CALLS\n", stderr);
        return 2;
    }
    const long calls = std::strtol(arguments[1], nullptr, 10);
    if (FAILED(CoInitialize(nullptr))) return 1;
    int exit_code = 1;
    {
        using Microsoft::WRL::ComPtr;
        ComPtr<IUnknown> running;
        ComPtr<IDispatch> application;
        if (SUCCEEDED(GetActiveObject(standin_server::kWordApplicationClass, nullptr, running.GetAddressOf())) &&
            SUCCEEDED(running.As(&application))) {
            DISPPARAMS no_arguments{};
            VARIANT result;
            VariantInit(&result);
            if (SUCCEEDED(application->Invoke(id_of(*application.Get(), L"Documents"), IID_NULL,
                                              LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &no_arguments, &result,
                                              nullptr, nullptr)) &&
                result.vt == VT_DISPATCH) {
                ComPtr<IDispatch> documents;
                documents.Attach(result.pdispVal);
                const DISPID count_id = id_of(*documents.Get(), L"Count");
                const auto start = std::chrono::steady_clock::now();
                for (long i = 0; i < calls; ++i) {
                    VariantInit(&result);
                    documents->Invoke(count_id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &no_arguments,
                                      &result, nullptr, nullptr);
                    VariantClear(&result);
                }
                const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
                std::printf("%.3f\n", took.count());
                exit_code = 0;
            }
        }
    }
    if (exit_code != 0) std::fputs("e2e_bench_floor: no running Word answered\n", stderr);
    CoUninitialize();
    return exit_code;
}
