// Typesets a UTF-8 text file (one paragraph a line) with the dialog's
// built-in values against the in-memory stand-in Word, and prints the
// document as Word would now hold it.
#include <fstream>
#include <iostream>
#include <sstream>

#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/support/fake_dialog.h"
#include "typeset/run.h"

namespace {

// The real clock and date, so the sign-off block shows today.
class SystemPlatform : public testing_support::FakePlatform {
public:
    std::chrono::steady_clock::time_point now() override { return std::chrono::steady_clock::now(); }
    typeset::CivilDate today() override
    {
        const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
        const std::chrono::year_month_day civil{days};
        return {static_cast<int>(civil.year()), static_cast<int>(static_cast<unsigned>(civil.month())),
                static_cast<int>(static_cast<unsigned>(civil.day()))};
    }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: typeset_demo REPORT.txt\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    std::stringstream text;
    text << file.rdbuf();

    auto model = std::make_shared<standin::WordModel>();
    model->open(standin::load_text(text.str()));
    testing_support::FakeDialog dialog;
    SystemPlatform platform;
    word::WordServers servers{[&] { return standin::connect(model); }};
    try {
        typeset::typeset_active_document(dialog, servers, platform);
    } catch (const std::exception& error) {
        std::cerr << "error: " << error.what() << "\n";
        return 1;
    }
    for (const auto& message : dialog.messages) std::cout << message.caption << ": " << message.text << "\n\n";
    std::cout << standin::render(model->active());
    return 0;
}
