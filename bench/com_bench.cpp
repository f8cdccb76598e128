// What the COM link costs: a whole run on a report (2,000 paragraphs unless
// told) through COM against the stand-in Word server, next to as many bare
// IDispatch calls to the same server. Their ratio is the link's overhead per
// member call over the round trip itself; the stand-in does next to nothing.
//
//   scripts/wine-run build/win64/bench/com_bench.exe [PARAGRAPHS]
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/fake_dialog.h"
#include "tests/windows/com/standin_word.h"
#include "typeset/run.h"
#include "word/com/com_word.h"

namespace {

int kParagraphs = 2000;

std::string report()
{
    std::string text = "关于年度工作情况的报告\n各科室：\n";
    for (int i = 2; i < kParagraphs; ++i) text += "本段是报告的第" + std::to_string(i) + "段，记述有关情况。\n";
    return text;
}

double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double seconds_of_a_run()
{
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;
    word::WordServers servers{word::com::attach_to_word};
    const auto start = std::chrono::steady_clock::now();
    typeset::typeset_active_document(dialog, servers, platform);
    return seconds_since(start);
}

// The cheapest member there is, Documents.Count, by its DISPID: nothing but
// the round trip.
double seconds_of_bare_calls(long calls)
{
    using Microsoft::WRL::ComPtr;
    ComPtr<IUnknown> running;
    ComPtr<IDispatch> application;
    if (FAILED(GetActiveObject(standin_server::kWordApplicationClass, nullptr, running.GetAddressOf())) ||
        FAILED(running.As(&application)))
        return -1;
    LPOLESTR documents_name = const_cast<LPOLESTR>(L"Documents");
    LPOLESTR count_name = const_cast<LPOLESTR>(L"Count");
    DISPID documents_id = 0, count_id = 0;
    DISPPARAMS no_arguments{};
    VARIANT result;
    VariantInit(&result);
    application->GetIDsOfNames(IID_NULL, &documents_name, 1, LOCALE_USER_DEFAULT, &documents_id);
    if (FAILED(application->Invoke(documents_id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                   &no_arguments, &result, nullptr, nullptr)) ||
        result.vt != VT_DISPATCH)
        return -1;
    ComPtr<IDispatch> documents;
    documents.Attach(result.pdispVal);
    documents->GetIDsOfNames(IID_NULL, &count_name, 1, LOCALE_USER_DEFAULT, &count_id);

    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < calls; ++i) {
        VariantInit(&result);
        documents->Invoke(count_id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                          &no_arguments, &result, nullptr, nullptr);
        VariantClear(&result);
    }
    return seconds_since(start);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) kParagraphs = std::atoi(argv[1]);
    if (kParagraphs < 3) return 2;
    if (FAILED(CoInitialize(nullptr))) return 1;
    int exit_code = 0;
    try {
        using com_tests::StandinWord;
        while (StandinWord::is_running()) StandinWord::running().quit();
        StandinWord::register_server({});
        const auto document = com_tests::write_document("com_bench_report.txt", report());
        auto standin = StandinWord::start({"--document", document});

        seconds_of_a_run();  // looks up every member's DISPID
        standin.open_text(document);
        standin.reset_counts();
        const double run = seconds_of_a_run();
        const long round_trips = standin.round_trips();
        const long lookups = standin.name_lookups();
        const long releases = standin.releases();
        const double bare = seconds_of_bare_calls(round_trips);
        if (bare <= 0) throw std::runtime_error("the bare calls failed");

        std::printf("paragraphs:                    %d\n", kParagraphs);
        std::printf("round trips of the run:        %ld (%ld name lookups), %.2f per paragraph\n", round_trips,
                    lookups, static_cast<double>(round_trips) / kParagraphs);
        std::printf("objects released:              %ld; with the round trips %ld, %.2f per paragraph\n",
                    releases, round_trips + releases, static_cast<double>(round_trips + releases) / kParagraphs);
        std::printf("run through COM:               %.3f s, %.1f us per round trip\n", run,
                    run * 1e6 / static_cast<double>(round_trips));
        std::printf("as many bare IDispatch calls:  %.3f s, %.1f us per call\n", bare,
                    bare * 1e6 / static_cast<double>(round_trips));
        std::printf("ratio run / bare calls:        %.2f\n", run / bare);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "com_bench: %s\n", error.what());
        exit_code = 1;
    }
    CoUninitialize();
    return exit_code;
}
