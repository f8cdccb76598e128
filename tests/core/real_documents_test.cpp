// Both pages' runs on documents as people open them, against the in-memory
// stand-in: how content controls change the way paragraphs are found, and
// what a run costs. What each run changes and keeps, through the screen, is
// in tests/e2e/real_documents_sessions.sh.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <string>

#include "tests/standin/dump.h"
#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/support/fake_dialog.h"
#include "typeset/official_run.h"
#include "typeset/run.h"

using standin::DocumentState;
using standin::ParagraphState;

namespace {

std::string sample(const char* name)
{
    std::ifstream file(std::string(TIDYSET_SAMPLES_DIR "/") + name, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

using Run = std::function<void(typeset::Dialog&, word::WordServers&, typeset::Platform&)>;

struct Page {
    const char* sample;
    Run run;
};

const Page kPages[] = {{"report-rich.txt", typeset::typeset_active_document},
                       {"official-rich.txt", typeset::typeset_official_document}};

struct Typeset {
    std::shared_ptr<standin::WordModel> model = std::make_shared<standin::WordModel>();
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;

    Typeset() { platform.date = {2026, 12, 8}; }
    void run(const Page& page)
    {
        word::WordServers servers{[&] { return standin::connect(model); }};
        page.run(dialog, servers, platform);
    }
    const DocumentState& document() { return model->active(); }
};

std::string without_content_controls(std::string text)
{
    return std::regex_replace(text, std::regex("\\{\\{CC:([^}]*)\\}\\}"), "$1");
}

// Content controls keep Word's positions ahead of the text's: the run then
// finds each paragraph through Word's own, and lays the document out as it
// does where the two agree.
TEST(RealDocuments, ContentControlsChangeHowParagraphsAreFoundNotTheLayout)
{
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.sample);
        Typeset with, without;
        with.model->open(standin::load_listed_text(sample(page.sample)));
        without.model->open(standin::load_listed_text(without_content_controls(sample(page.sample))));
        with.run(page);
        without.run(page);
        DocumentState unmarked = with.document();
        for (ParagraphState& paragraph : unmarked.paragraphs)
            for (std::size_t i = paragraph.text.size(); i-- > 0;)
                if (paragraph.text[i] == standin::kContentControlStart || paragraph.text[i] == standin::kContentControlEnd) {
                    paragraph.text.erase(i, 1);
                    paragraph.chars.erase(paragraph.chars.begin() + static_cast<std::ptrdiff_t>(i));
                }
        EXPECT_EQ(standin::render(unmarked), standin::render(without.document()));
        EXPECT_GT(with.model->count("Paragraphs.Item"), without.model->count("Paragraphs.Item"));
    }
}

// Round trips grow with tables, fields and headings, never with the body.
TEST(RealDocuments, CostTheSameForTenTimesTheBody)
{
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.sample);
        const auto calls_for = [&](int body) {
            std::string text = sample(page.sample);
            std::string filler;
            for (int i = 0; i < body; ++i) filler += "正文第" + std::to_string(i) + "段，涉及ABC项目。\n";
            text.insert(text.find("{{SECTION"), filler);
            Typeset typeset;
            typeset.model->open(standin::load_listed_text(text));
            typeset.run(page);
            return typeset.model->call_count();
        };
        EXPECT_EQ(calls_for(200), calls_for(20));
    }
}

}  // namespace
