// Both pages' runs on documents as people open them: fields, a table, an
// inline picture, hidden text, a content control, a section break and
// Word's own numbering, against the in-memory stand-in.
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
using standin::Mark;
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

// Every character of the text, with whether it is hidden; marks left out.
std::u32string characters(const DocumentState& document, std::vector<bool>* hidden = nullptr)
{
    std::u32string all;
    for (const ParagraphState& paragraph : document.paragraphs) {
        all += paragraph.text;
        if (hidden)
            for (std::size_t i = 0; i < paragraph.text.size(); ++i) hidden->push_back(paragraph.chars[i].hidden);
    }
    return all;
}

std::vector<const ParagraphState*> in_tables(const DocumentState& document)
{
    std::vector<const ParagraphState*> found;
    for (const ParagraphState& paragraph : document.paragraphs)
        if (paragraph.table != 0) found.push_back(&paragraph);
    return found;
}

std::string without_content_controls(std::string text)
{
    return std::regex_replace(text, std::regex("\\{\\{CC:([^}]*)\\}\\}"), "$1");
}

TEST(RealDocuments, BothPagesChangeWhatTheyMeanAndNothingElse)
{
    for (const Page& page : kPages) {
        SCOPED_TRACE(page.sample);
        Typeset typeset;
        typeset.model->open(standin::load_listed_text(sample(page.sample)));
        const DocumentState before = typeset.document();
        typeset.run(page);
        const DocumentState& after = typeset.document();
        ASSERT_EQ(typeset.dialog.messages.size(), 1u);
        EXPECT_EQ(typeset.dialog.messages[0].text.find("未能识别"), std::string::npos) << typeset.dialog.messages[0].text;

        // Every character is still there, in order, hidden where it was;
        // only the sign-off follows them.
        std::vector<bool> hidden_before, hidden_after;
        const std::u32string old_text = characters(before, &hidden_before);
        const std::u32string new_text = characters(after, &hidden_after);
        ASSERT_TRUE(new_text.starts_with(old_text));
        EXPECT_TRUE(std::equal(hidden_before.begin(), hidden_before.end(), hidden_after.begin()));
        EXPECT_TRUE(new_text.ends_with(U"2026年12月8日"));

        // Tables keep their paragraphs' format and their text's size.
        const auto old_cells = in_tables(before);
        const auto new_cells = in_tables(after);
        ASSERT_EQ(new_cells.size(), old_cells.size());
        for (std::size_t i = 0; i < old_cells.size(); ++i) {
            EXPECT_EQ(new_cells[i]->format, old_cells[i]->format) << i;
            EXPECT_EQ(new_cells[i]->mark, old_cells[i]->mark) << i;
            for (std::size_t c = 0; c < new_cells[i]->chars.size(); ++c)
                EXPECT_EQ(new_cells[i]->chars[c].size, old_cells[i]->chars[c].size) << i;
        }

        for (const ParagraphState& paragraph : after.paragraphs) {
            // A picture is shown whole: single spacing, no first-line indent.
            if (paragraph.text.find(standin::kInlinePicture) != std::u32string::npos) {
                EXPECT_EQ(paragraph.format.line_spacing_rule, word::LineSpacingRule::single);
                EXPECT_EQ(paragraph.format.first_line_indent, 0);
                EXPECT_EQ(paragraph.format.character_unit_first_line_indent, 0);
            } else if (paragraph.table == 0 && !paragraph.text.empty()) {
                EXPECT_EQ(paragraph.format.line_spacing_rule, word::LineSpacingRule::exactly);
            }
        }

        // The sign-off is plain paragraphs of its own.
        const auto& paragraphs = after.paragraphs;
        for (std::size_t i = paragraphs.size() - 3; i < paragraphs.size(); ++i) {
            EXPECT_EQ(paragraphs[i].list_string, "") << i;
            for (const auto& format : paragraphs[i].chars) {
                EXPECT_EQ(format.underline, word::Underline::none);
                EXPECT_EQ(format.color, word::Color::automatic);
            }
        }
        // The section breaks stay, and so do their sections' orientations.
        ASSERT_EQ(after.sections.size(), before.sections.size());
        for (std::size_t i = 0; i < after.sections.size(); ++i)
            EXPECT_EQ(after.sections[i].landscape, before.sections[i].landscape);

        // A second run changes nothing; one undo gives the original back.
        const std::string first = standin::render(after);
        typeset.run(page);
        EXPECT_EQ(standin::render(typeset.document()), first);
        ASSERT_TRUE(typeset.model->undo(typeset.model->active_document()));
        EXPECT_EQ(standin::render(typeset.document()), standin::render(before));
    }
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
