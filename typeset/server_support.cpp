#include "typeset/server_support.h"

#include <algorithm>

#include "word/ole_message.h"

namespace typeset {

namespace {

struct StepText {
    const char* name;
    // What the run does instead, if anything.
    const char* instead;
};

StepText text_of(Step step)
{
    switch (step) {
    case Step::window: return {"显示程序窗口", nullptr};
    case Step::user_control: return {"排版期间锁定文档", nullptr};
    case Step::screen_updating: return {"排版期间暂停刷新屏幕", nullptr};
    case Step::undo_record: return {"整个排版作为一步撤销", nullptr};
    case Step::text_retrieval: return {"读取域代码和隐藏文字", nullptr};
    case Step::section_breaks: return {"区分分节符与分页符", "逐段核对段落"};
    case Step::tables: return {"识别表格", nullptr};
    case Step::document_grid: return {"文档网格", nullptr};
    case Step::character_indents: return {"按字符缩进", "按磅值缩进"};
    case Step::far_east_font: return {"单独设置中文字体", "西文也用中文字体"};
    case Step::list_headings: return {"识别自动编号的标题", nullptr};
    case Step::page_numbers: return {"页码", nullptr};
    case Step::plain_numbers: return {"去除新增段落的编号", nullptr};
    case Step::plain_colour: return {"去除新增段落的字体颜色", nullptr};
    case Step::plain_underline: return {"去除新增段落的下划线", nullptr};
    case Step::plain_highlight: return {"去除新增段落的突出显示", nullptr};
    case Step::red_mark: return {"发文机关标志套红", nullptr};
    case Step::rules: return {"分隔线", nullptr};
    case Step::tab_stops: return {"制表位", "默认制表位"};
    case Step::attachment_pages: return {"附件另起一页", nullptr};
    case Step::imprint_at_foot: return {"版记置于末页底部", nullptr};
    }
    return {"", nullptr};
}

void append_listed(std::string& list, const std::string& item)
{
    if (!list.empty()) list += "、";
    list += item;
}

}  // namespace

MemberTable joined(MemberTable first, const MemberTable& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

ServerSupport::ServerSupport(word::Application& application, const MemberTable& members)
    : program_(application.program_name())
{
    std::vector<word::MemberName> names;
    for (const MemberUse& use : members)
        if (std::find(names.begin(), names.end(), use.name) == names.end()) names.push_back(use.name);
    const std::vector<word::MemberName> missing = application.missing_members(names);
    for (const MemberUse& use : members) {
        if (std::find(missing.begin(), missing.end(), use.name) == missing.end()) continue;
        if (!use.step) {
            if (std::find(required_missing_.begin(), required_missing_.end(), use.name) == required_missing_.end())
                required_missing_.push_back(use.name);
        } else {
            leave_out(*use.step);
        }
    }
}

std::string ServerSupport::unsupported_message() const
{
    std::string names;
    for (const word::MemberName& name : required_missing_)
        append_listed(names, std::string(word::object_name(name.object)) + "." + std::string(name.member));
    return "当前的文字处理程序（" + program_ + "）不支持 " + names + "，无法排版。";
}

bool ServerSupport::lacks(Step step) const
{
    return std::find(left_out_.begin(), left_out_.end(), step) != left_out_.end();
}

void ServerSupport::leave_out(Step step)
{
    if (!lacks(step)) left_out_.push_back(step);
}

std::vector<std::string> ServerSupport::notes() const
{
    std::string skipped, replaced, instead;
    for (const Step step : left_out_) {
        const StepText text = text_of(step);
        if (text.instead) {
            append_listed(replaced, text.name);
            append_listed(instead, text.instead);
        } else {
            append_listed(skipped, text.name);
        }
    }
    std::vector<std::string> lines;
    if (!skipped.empty()) lines.push_back(word::in_sentence("", program_, "不支持：") + skipped + "，已跳过");
    if (!replaced.empty())
        lines.push_back(word::in_sentence("", program_, "不支持：") + replaced + "，已改用" + instead);
    return lines;
}

}  // namespace typeset
