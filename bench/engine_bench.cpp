// How much the typesetting run costs per paragraph, apart from Word.
//
// The run is timed twice on a report (10,000 paragraphs unless told): against
// the in-memory stand-in Word (which also counts the member calls), and
// against a Word that answers every call at once without doing anything,
// which leaves the engine's own time and counts the objects it hands out,
// each of them one release more through COM.
//
//   engine_bench [PARAGRAPHS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "tests/standin/in_memory_word.h"
#include "tests/standin/model.h"
#include "tests/support/fake_dialog.h"
#include "typeset/official_run.h"
#include "typeset/run.h"

namespace {

int kParagraphs = 10000;

// A document of a fixed number of one-character paragraphs that ignores every
// change; its answers keep the run on its normal path.
namespace null_word {

struct Counter {
    long calls = 0;
    long objects = 0;
};

// Every object handed out is counted once.
struct Counted {
    explicit Counted(Counter& counter) { ++counter.objects; }
};

struct Font : word::Font, Counted {
    Counter& c;
    explicit Font(Counter& counter) : Counted(counter), c(counter) {}
    void set_size(float) override { ++c.calls; }
    void set_name(const std::string&) override { ++c.calls; }
    void set_bold(std::int32_t) override { ++c.calls; }
    void set_name_far_east(const std::string&) override { ++c.calls; }
    void set_color(word::Color) override { ++c.calls; }
    void set_underline(word::Underline) override { ++c.calls; }
};

struct Border : word::Border, Counted {
    Counter& c;
    explicit Border(Counter& counter) : Counted(counter), c(counter) {}
    void set_line_style(word::LineStyle) override { ++c.calls; }
    void set_line_width(word::LineWidth) override { ++c.calls; }
    void set_color(word::Color) override { ++c.calls; }
};

struct Borders : word::Borders, Counted {
    Counter& c;
    explicit Borders(Counter& counter) : Counted(counter), c(counter) {}
    std::unique_ptr<word::Border> item(word::BorderSide) override { return ++c.calls, std::make_unique<Border>(c); }
    void set_distance_from_bottom(float) override { ++c.calls; }
};

struct TabStops : word::TabStops, Counted {
    Counter& c;
    explicit TabStops(Counter& counter) : Counted(counter), c(counter) {}
    void clear_all() override { ++c.calls; }
    void add(float, word::TabAlignment) override { ++c.calls; }
};

struct ParagraphFormat : word::ParagraphFormat, Counted {
    Counter& c;
    explicit ParagraphFormat(Counter& counter) : Counted(counter), c(counter) {}
    void set_alignment(word::ParagraphAlignment) override { ++c.calls; }
    void set_line_spacing_rule(word::LineSpacingRule) override { ++c.calls; }
    void set_line_spacing(float) override { ++c.calls; }
    void set_space_after(float) override { ++c.calls; }
    void set_first_line_indent(float) override { ++c.calls; }
    void set_right_indent(float) override { ++c.calls; }
    void set_line_unit_before(float) override { ++c.calls; }
    void set_line_unit_after(float) override { ++c.calls; }
    void set_space_before_auto(std::int32_t) override { ++c.calls; }
    void set_space_after_auto(std::int32_t) override { ++c.calls; }
    void set_left_indent(float) override { ++c.calls; }
    void set_character_unit_first_line_indent(float) override { ++c.calls; }
    void set_character_unit_left_indent(float) override { ++c.calls; }
    void set_character_unit_right_indent(float) override { ++c.calls; }
    void set_space_before(float) override { ++c.calls; }
    void set_page_break_before(std::int32_t) override { ++c.calls; }
    std::unique_ptr<word::Borders> borders() override { return ++c.calls, std::make_unique<Borders>(c); }
    std::unique_ptr<word::TabStops> tab_stops() override { return ++c.calls, std::make_unique<TabStops>(c); }
};

struct Characters : word::Characters, Counted {
    Counter& c;
    explicit Characters(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t count() override { return ++c.calls, 2; }
};

struct Fields : word::Fields, Counted {
    Counter& c;
    explicit Fields(Counter& counter) : Counted(counter), c(counter) {}
    void add(word::Range&, word::FieldType) override { ++c.calls; }
};

struct ListFormat : word::ListFormat, Counted {
    Counter& c;
    explicit ListFormat(Counter& counter) : Counted(counter), c(counter) {}
    std::string list_string() override { return ++c.calls, ""; }
    void remove_numbers() override { ++c.calls; }
};

struct TextRetrievalMode : word::TextRetrievalMode, Counted {
    Counter& c;
    explicit TextRetrievalMode(Counter& counter) : Counted(counter), c(counter) {}
    void set_include_field_codes(bool) override { ++c.calls; }
    void set_include_hidden_text(bool) override { ++c.calls; }
};

struct Range : word::Range, Counted {
    Counter& c;
    explicit Range(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t start() override { return ++c.calls, 0; }
    std::int32_t end() override { return ++c.calls, 2; }
    std::string text() override { return ++c.calls, "x\r"; }
    std::unique_ptr<word::Characters> characters() override { return ++c.calls, std::make_unique<Characters>(c); }
    std::unique_ptr<word::ParagraphFormat> paragraph_format() override
    {
        return ++c.calls, std::make_unique<ParagraphFormat>(c);
    }
    void delete_text(word::Unit, std::int32_t) override { ++c.calls; }
    void insert_paragraph_after() override { ++c.calls; }
    void insert_after(const std::string&) override { ++c.calls; }
    std::unique_ptr<word::Font> font() override { return ++c.calls, std::make_unique<Font>(c); }
    void set_text(const std::string&) override { ++c.calls; }
    void set_range(std::int32_t, std::int32_t) override { ++c.calls; }
    std::unique_ptr<word::Fields> fields() override { return ++c.calls, std::make_unique<Fields>(c); }
    std::unique_ptr<word::ListFormat> list_format() override { return ++c.calls, std::make_unique<ListFormat>(c); }
    std::unique_ptr<word::TextRetrievalMode> text_retrieval_mode() override
    {
        return ++c.calls, std::make_unique<TextRetrievalMode>(c);
    }
    void set_highlight_color_index(word::HighlightColor) override { ++c.calls; }
    float information(word::Information) override { return ++c.calls, 0.0f; }
};

struct Paragraph : word::Paragraph, Counted {
    Counter& c;
    explicit Paragraph(Counter& counter) : Counted(counter), c(counter) {}
    std::unique_ptr<word::Range> range() override { return ++c.calls, std::make_unique<Range>(c); }
    std::unique_ptr<word::Paragraph> previous(std::int32_t) override
    {
        return ++c.calls, std::make_unique<Paragraph>(c);
    }
    void set_alignment(word::ParagraphAlignment) override { ++c.calls; }
    void set_line_unit_before(float) override { ++c.calls; }
    void set_line_unit_after(float) override { ++c.calls; }
};

struct Paragraphs : word::Paragraphs, Counted {
    Counter& c;
    explicit Paragraphs(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t count() override { return ++c.calls, kParagraphs; }
    std::unique_ptr<word::Paragraph> item(std::int32_t) override { return ++c.calls, std::make_unique<Paragraph>(c); }
    std::unique_ptr<word::Paragraph> last() override { return ++c.calls, std::make_unique<Paragraph>(c); }
};

struct PageSetup : word::PageSetup, Counted {
    Counter& c;
    explicit PageSetup(Counter& counter) : Counted(counter), c(counter) {}
    void set_top_margin(float) override { ++c.calls; }
    void set_bottom_margin(float) override { ++c.calls; }
    void set_left_margin(float) override { ++c.calls; }
    void set_right_margin(float) override { ++c.calls; }
    void set_paper_size(word::PaperSize) override { ++c.calls; }
    void set_layout_mode(word::LayoutMode) override { ++c.calls; }
    void set_lines_page(float) override { ++c.calls; }
    void set_chars_line(float) override { ++c.calls; }
    void set_odd_and_even_pages_header_footer(std::int32_t) override { ++c.calls; }
    void set_different_first_page_header_footer(std::int32_t) override { ++c.calls; }
    void set_footer_distance(float) override { ++c.calls; }
};

struct HeaderFooter : word::HeaderFooter, Counted {
    Counter& c;
    explicit HeaderFooter(Counter& counter) : Counted(counter), c(counter) {}
    std::unique_ptr<word::Range> range() override { return ++c.calls, std::make_unique<Range>(c); }
    bool link_to_previous() override { return ++c.calls, false; }
};

struct HeadersFooters : word::HeadersFooters, Counted {
    Counter& c;
    explicit HeadersFooters(Counter& counter) : Counted(counter), c(counter) {}
    std::unique_ptr<word::HeaderFooter> item(word::HeaderFooterIndex) override
    {
        return ++c.calls, std::make_unique<HeaderFooter>(c);
    }
};

struct Section : word::Section, Counted {
    Counter& c;
    explicit Section(Counter& counter) : Counted(counter), c(counter) {}
    std::unique_ptr<word::HeadersFooters> footers() override { return ++c.calls, std::make_unique<HeadersFooters>(c); }
    std::unique_ptr<word::Range> range() override { return ++c.calls, std::make_unique<Range>(c); }
};

struct Sections : word::Sections, Counted {
    Counter& c;
    explicit Sections(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t count() override { return ++c.calls, 1; }
    std::unique_ptr<word::Section> item(std::int32_t) override { return ++c.calls, std::make_unique<Section>(c); }
};

struct Table : word::Table, Counted {
    Counter& c;
    explicit Table(Counter& counter) : Counted(counter), c(counter) {}
    std::unique_ptr<word::Range> range() override { return ++c.calls, std::make_unique<Range>(c); }
};

struct Tables : word::Tables, Counted {
    Counter& c;
    explicit Tables(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t count() override { return ++c.calls, 0; }
    std::unique_ptr<word::Table> item(std::int32_t) override { return ++c.calls, std::make_unique<Table>(c); }
};

struct ListParagraphs : word::ListParagraphs, Counted {
    Counter& c;
    explicit ListParagraphs(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t count() override { return ++c.calls, 0; }
    std::unique_ptr<word::Paragraph> item(std::int32_t) override { return ++c.calls, std::make_unique<Paragraph>(c); }
};

struct Selection : word::Selection, Counted {
    Counter& c;
    explicit Selection(Counter& counter) : Counted(counter), c(counter) {}
    void set_range(std::int32_t, std::int32_t) override { ++c.calls; }
    std::unique_ptr<word::Font> font() override { return ++c.calls, std::make_unique<Font>(c); }
    std::unique_ptr<word::ParagraphFormat> paragraph_format() override
    {
        return ++c.calls, std::make_unique<ParagraphFormat>(c);
    }
    void home_key(word::Unit, word::Movement) override { ++c.calls; }
    void end_key(word::Unit, word::Movement) override { ++c.calls; }
};

struct Documents : word::Documents, Counted {
    Counter& c;
    explicit Documents(Counter& counter) : Counted(counter), c(counter) {}
    std::int32_t count() override { return ++c.calls, 1; }
};

struct Document : word::Document, Counted {
    Counter& c;
    explicit Document(Counter& counter) : Counted(counter), c(counter) {}
    void set_user_control(bool) override { ++c.calls; }
    std::unique_ptr<word::Range> content() override { return ++c.calls, std::make_unique<Range>(c); }
    std::unique_ptr<word::PageSetup> page_setup() override { return ++c.calls, std::make_unique<PageSetup>(c); }
    std::unique_ptr<word::Paragraphs> paragraphs() override { return ++c.calls, std::make_unique<Paragraphs>(c); }
    std::unique_ptr<word::Range> range() override { return ++c.calls, std::make_unique<Range>(c); }
    std::unique_ptr<word::Range> range(std::int32_t, std::int32_t) override
    {
        return ++c.calls, std::make_unique<Range>(c);
    }
    std::unique_ptr<word::Sections> sections() override { return ++c.calls, std::make_unique<Sections>(c); }
    std::unique_ptr<word::ListParagraphs> list_paragraphs() override
    {
        return ++c.calls, std::make_unique<ListParagraphs>(c);
    }
    std::unique_ptr<word::Tables> tables() override { return ++c.calls, std::make_unique<Tables>(c); }
};

struct UndoRecord : word::UndoRecord, Counted {
    Counter& c;
    explicit UndoRecord(Counter& counter) : Counted(counter), c(counter) {}
    void start_custom_record(const std::string&) override { ++c.calls; }
    void end_custom_record() override { ++c.calls; }
};

struct Application : word::Application, Counted {
    Counter& c;
    explicit Application(Counter& counter) : Counted(counter), c(counter) {}
    void set_visible(bool) override { ++c.calls; }
    bool screen_updating() override { return ++c.calls, true; }
    void set_screen_updating(bool) override { ++c.calls; }
    std::unique_ptr<word::UndoRecord> undo_record() override { return ++c.calls, std::make_unique<UndoRecord>(c); }
    std::unique_ptr<word::Documents> documents() override { return ++c.calls, std::make_unique<Documents>(c); }
    std::unique_ptr<word::Document> active_document() override { return ++c.calls, std::make_unique<Document>(c); }
    std::unique_ptr<word::Selection> selection() override { return ++c.calls, std::make_unique<Selection>(c); }
    void screen_refresh() override { ++c.calls; }
    std::vector<word::MemberName> missing_members(const std::vector<word::MemberName>&) override { return {}; }
    std::string program_name() override { return "Word"; }
};

}  // namespace null_word

std::string report()
{
    std::string text = "关于年度工作情况的报告\n各科室：\n";
    for (int i = 2; i < kParagraphs; ++i) text += "本段是报告的第" + std::to_string(i) + "段，记述有关情况。\n";
    return text;
}

// The same report with tables and fields among its paragraphs, in the
// stand-in's document format: each table two rows of two cells, each field
// a DATE field.
std::string rich_report(int tables, int fields)
{
    std::string text = "关于年度工作情况的报告\n各科室：\n";
    const int body = kParagraphs - 2 - tables * 6;
    for (int i = 0; i < body; ++i) {
        text += "本段是报告的第" + std::to_string(i + 3) + "段";
        if (i < fields) text += "，截至{{ DATE \\@ \"yyyy年M月d日\" |2026年12月8日}}";
        text += "，记述有关情况。\n";
        if (tables > 0 && i % std::max(1, body / tables) == 0 && i / std::max(1, body / tables) < tables)
            text += "|项目|数量|\n|纸张|300|\n";
    }
    return text;
}

// Member calls of one run of each page on a document in the stand-in's
// document format.
void print_member_calls(const char* what, const std::string& document)
{
    std::size_t calls[2];
    for (int page = 0; page < 2; ++page) {
        auto model = std::make_shared<standin::WordModel>();
        model->open(standin::load_listed_text(document));
        testing_support::FakeDialog dialog;
        testing_support::FakePlatform platform;
        word::WordServers servers{[&] { return standin::connect(model); }};
        if (page == 0)
            typeset::typeset_active_document(dialog, servers, platform);
        else
            typeset::typeset_official_document(dialog, servers, platform);
        calls[page] = model->call_count();
    }
    std::printf("member calls, %-22s first page %zu, official page %zu\n", what, calls[0], calls[1]);
}

template <class Connector>
double seconds_of_a_run(Connector connector)
{
    testing_support::FakeDialog dialog;
    testing_support::FakePlatform platform;
    word::WordServers servers{connector};
    const auto start = std::chrono::steady_clock::now();
    typeset::typeset_active_document(dialog, servers, platform);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1) kParagraphs = std::atoi(argv[1]);
    if (kParagraphs < 3) {
        std::fprintf(stderr, "usage: engine_bench [PARAGRAPHS of at least 3]\n");
        return 2;
    }
    auto model = std::make_shared<standin::WordModel>();
    model->open(standin::load_text(report()));
    const double with_standin = seconds_of_a_run([&] { return standin::connect(model); });
    const auto calls = model->call_count();

    null_word::Counter counter;
    const double engine = seconds_of_a_run([&] { return std::make_unique<null_word::Application>(counter); });

    std::printf("paragraphs:                    %d\n", kParagraphs);
    std::printf("member calls (stand-in):       %zu, %.2f per paragraph\n", calls,
                static_cast<double>(calls) / kParagraphs);
    std::printf("member calls (null Word):      %ld, %.2f per paragraph\n", counter.calls,
                static_cast<double>(counter.calls) / kParagraphs);
    std::printf("objects released (null Word):  %ld\n", counter.objects);
    std::printf("calls and releases (null Word): %ld, %.2f per paragraph\n", counter.calls + counter.objects,
                static_cast<double>(counter.calls + counter.objects) / kParagraphs);
    std::printf("run with the stand-in:         %.3f s, %.2f us per paragraph\n", with_standin,
                with_standin * 1e6 / kParagraphs);
    std::printf("engine alone (null Word):      %.3f s, %.3f us per paragraph\n", engine,
                engine * 1e6 / kParagraphs);
    print_member_calls("plain:", rich_report(0, 0));
    print_member_calls("20 tables, 50 fields:", rich_report(20, 50));
    return 0;
}
