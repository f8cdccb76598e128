// Reading a whole official document: real-looking documents, each line with
// the role it must get, and the order of the font chains.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialog/font_chains.h"
#include "platform/utf8.h"
#include "typeset/official_roles.h"

namespace {

using typeset::HeadingLevel;
using typeset::Role;

struct Line {
    std::u32string text;
    Role role;
    HeadingLevel level = HeadingLevel::none;
    std::int32_t extent = 0;
    std::string list = "";
    bool table = false;
};

struct Document {
    std::string name;
    std::vector<Line> lines;
    std::string summary;
    std::size_t new_sign_off_after;
};

Line heading(std::u32string text, HeadingLevel level, std::int32_t extent, std::string list = "")
{
    return {std::move(text), Role::heading, level, extent, std::move(list)};
}
Line table(std::u32string text) { return {std::move(text), Role::table, HeadingLevel::none, 0, "", true}; }

const std::vector<Document>& documents()
{
    static const std::vector<Document> all{
        {"a full header, two-line title, note, annotation, attachments and imprint",
         {
             {U"000001", Role::copy_number},
             {U"机密★1年", Role::secrecy},
             {U"特急", Role::urgency},
             {U"某某市人民政府文件", Role::issuer_mark},  // not the title
             {U"", Role::blank},
             {U"某政发〔2026〕5号", Role::document_number},
             {U"", Role::blank},
             {U"关于做好2027年元旦春节期间", Role::title},
             {U"安全生产工作的通知", Role::title},
             {U"", Role::blank},
             {U"各区县人民政府，市政府各部门：", Role::addressee},
             {U"为切实做好2027年元旦、春节期间的安全生产工作，现就有关事项通知如下：", Role::body},
             heading(U"一、提高思想认识", HeadingLevel::one, 9),
             {U"二、三季度全市经济运行平稳，各地要保持安全形势稳定。", Role::body},
             heading(U"（一）资金管理：各单位要加强资金监管。", HeadingLevel::two, 8),
             heading(U"1.2027年重点工作", HeadingLevel::three, 12),
             heading(U"（1）建立台账。对排查出的问题逐项登记。", HeadingLevel::four, 8),
             {U"１．５倍于去年同期的单位要重点提示。", Role::body},
             {U"特此通知。", Role::body},
             {U"", Role::blank},
             {U"附件：1.安全检查方案", Role::attachment_note},
             {U"2.检查工作分工表", Role::attachment_note_item},  // no heading
             {U"", Role::blank},
             {U"某某市人民政府", Role::sign_off_organ},
             {U"2026年12月8日", Role::sign_off_date},
             {U"（此件公开发布）", Role::annotation},
             {U"附件1", Role::attachment_label},
             {U"安全检查方案", Role::attachment_title},
             heading(U"一、检查范围", HeadingLevel::one, 7),
             {U"全市各类生产经营单位。", Role::attachment_body},
             table(U"序号"),
             table(U"一、单位"),
             {U"附件2", Role::attachment_label},
             {U"检查工作分工表", Role::attachment_title},
             {U"各部门按职责分工负责。", Role::attachment_body},
             {U"", Role::blank},
             {U"抄送：市委各部门，市人大常委会办公厅。", Role::copy_to},
             {U"某某市人民政府办公室 2026年12月8日印发", Role::printed_by},
         },
         "已识别：版头、标题（2 行）、主送机关、附件说明、落款、附注、附件、版记",
         21},
        {"an upward document: the organ's name as its mark, the signer beside the number",
         {
             {U"某某县人民政府", Role::issuer_mark},
             {U"某政报〔2026〕3号\u3000\u3000签发人：张三", Role::document_number},
             {U"", Role::blank},
             {U"关于申请安全生产专项资金的请示", Role::title},
             {U"", Role::blank},
             {U"市人民政府：", Role::addressee},
             {U"为加强安全生产工作，特申请专项资金200万元。", Role::body},
             {U"妥否，请批示。", Role::body},
             {U"", Role::blank},
             {U"某某县人民政府", Role::sign_off_organ},
             {U"2026年12月8日\u3000\u3000 ", Role::sign_off_date},
             {U"\u3000\u3000", Role::blank},
         },
         "已识别：版头、标题（1 行）、主送机关、落款",
         7},
        {"blank lines above the title, Word's numbering, no real date",
         {
             {U"", Role::blank},
             {U"", Role::blank},
             {U"关于开展安全生产大检查的通知", Role::title},
             {U"", Role::blank},
             {U"各学校：", Role::addressee},
             heading(U"总体要求", HeadingLevel::one, 5, "一、"),
             {U"一、二年级学生由班主任负责组织。", Role::body},
             {U"三季度起全面推开。", Role::body, HeadingLevel::none, 0, "二、"},
             heading(U"工作目标。全面排查隐患。", HeadingLevel::two, 5, "（一）"),
             heading(U"时间安排", HeadingLevel::three, 5, "1."),
             heading(U"一、一体化推进各项工作。", HeadingLevel::one, 13),
             table(U"一、项目"),
             {U"2026年123月8日", Role::body},
         },
         "已识别：标题（1 行）、主送机关",
         12},
        {"a notice without addressee, signed with a date in Chinese numerals",
         {
             {U"某某市人民政府公告", Role::title},
             {U"（第3号）", Role::title},
             {U"", Role::blank},
             {U"根据《某某市安全生产条例》规定，现将有关事项公告如下：", Role::body},
             heading(U"一、自2027年1月1日起施行。", HeadingLevel::one, 17),
             {U"特此公告。", Role::body},
             {U"", Role::blank},
             {U"某某市人民政府", Role::sign_off_organ},
             {U"二〇二六年十二月八日", Role::sign_off_date},
         },
         "已识别：标题（2 行）、落款",
         5},
        {"a heading where the addressee would be, joint organs, an annotation at the end",
         {
             {U"关于联合开展执法检查的通知", Role::title},
             {U"", Role::blank},
             heading(U"一、总体要求：", HeadingLevel::one, 8),
             {U"各部门要按照要求开展检查。", Role::body},
             {U"", Role::blank},
             {U"某某市人民政府", Role::sign_off_organ},
             {U"某某市财政局", Role::sign_off_organ},
             {U"某某市应急管理局", Role::sign_off_organ},
             {U"2026年12月8日", Role::sign_off_date},
             {U"（此件公开发布）", Role::annotation},
         },
         "已识别：标题（1 行）、落款、附注",
         3},
        {"a date right under a long paragraph, an imprint at the end",
         {
             {U"关于调整工作时间的通知", Role::title},
             {U"各单位：", Role::addressee},
             {U"经研究决定自2027年1月1日起全市机关工作时间调整为上午九时至十二时下午一时至五时", Role::body},
             {U"2026年12月8日", Role::sign_off_date},
             {U"", Role::blank},
             {U"抄送：市委办公室，市人大常委会办公室，", Role::copy_to},
             {U"市政协办公室。", Role::copy_to},
             {U"某某市人民政府办公室 2026年12月8日印发", Role::printed_by},
         },
         "已识别：标题（1 行）、主送机关、落款、版记",
         2},
        {"no sign-off yet: it goes above the annotation, the attachment and the imprint",
         {
             {U"关于印发工作方案的通知", Role::title},
             {U"", Role::blank},
             {U"各单位：", Role::addressee},
             {U"现将《工作方案》印发给你们，请认真贯彻执行。", Role::body},
             {U"", Role::blank},
             {U"附件：工作方案", Role::attachment_note},
             {U"", Role::blank},
             {U"（此件公开发布）", Role::annotation},
             {U"附件", Role::attachment_label},
             {U"工作方案", Role::attachment_title},
             {U"为做好相关工作，制定本方案。", Role::attachment_body},
             {U"2026年12月1日", Role::attachment_body},
             {U"抄送：市委办公室。", Role::copy_to},
         },
         "已识别：标题（1 行）、主送机关、附件说明、附注、附件、版记",
         5},
        {"attachment pages after the sign-off, a table in them",
         {
             {U"关于报送统计数据的通知", Role::title},
             {U"各单位：", Role::addressee},
             {U"请于12月31日前报送附件所列数据。", Role::body},
             {U"", Role::blank},
             {U"某某市统计局", Role::sign_off_organ},
             {U"2026年12月8日", Role::sign_off_date},
             {U"附件", Role::attachment_label},
             {U"统计数据报表", Role::attachment_title},
             table(U"单位名称"),
             table(U"2026年12月8日"),
         },
         "已识别：标题（1 行）、主送机关、落款、附件",
         2},
        {"a header mark without a document number, a closing line above the organ",
         {
             {U"某某市人民政府文件", Role::issuer_mark},
             {U"", Role::blank},
             {U"关于表彰先进集体的决定", Role::title},
             {U"经研究，决定对以下单位予以表彰。", Role::body},
             {U"特此通知", Role::body},
             {U"某某市人民政府", Role::sign_off_organ},
             {U"二〇二六年十二月八日", Role::sign_off_date},
         },
         "已识别：版头、标题（1 行）、落款",
         4},
    };
    return all;
}

TEST(OfficialRoles, ReadsEachPartOfRealDocuments)
{
    for (const Document& document : documents()) {
        SCOPED_TRACE(document.name);
        std::vector<typeset::OfficialParagraph> paragraphs;
        for (const Line& line : document.lines) paragraphs.push_back({line.text, line.list, line.table});
        const std::vector<typeset::ParagraphRole> roles = typeset::recognise_official_document(paragraphs);
        ASSERT_EQ(roles.size(), document.lines.size());

        typeset::SignOffLines sign_off{{}, 0};
        bool signed_off = false;
        for (std::size_t i = 0; i < roles.size(); ++i) {
            const Line& line = document.lines[i];
            const std::string text = std::to_string(i) + " " + line.list + platform::encode_utf8(line.text);
            EXPECT_EQ(static_cast<int>(roles[i].role), static_cast<int>(line.role)) << text;
            EXPECT_EQ(roles[i].level, line.level) << text;
            EXPECT_EQ(roles[i].heading_extent, line.extent) << text;
            if (line.role == Role::sign_off_organ) sign_off.organs.push_back(i);
            if (line.role == Role::sign_off_date) {
                sign_off.date = i;
                signed_off = true;
            }
        }
        EXPECT_EQ(typeset::recognised_summary(roles), document.summary);
        EXPECT_EQ(typeset::new_sign_off_after(roles), document.new_sign_off_after);
        const auto found = typeset::sign_off_lines(roles);
        ASSERT_EQ(found.has_value(), signed_off);
        if (found) {
            EXPECT_EQ(found->organs, sign_off.organs);
            EXPECT_EQ(found->date, sign_off.date);
        }
    }
}

TEST(FontChains, TakeTheFirstInstalledFontInTheChainsOrder)
{
    const dialog::FontChain& title = *dialog::chain_of(dialog::FontCombo::gwBtFontName);
    const auto only = [](std::set<std::string_view> fonts) {
        return [fonts](std::string_view font) { return fonts.contains(font); };
    };
    EXPECT_EQ(dialog::first_installed(title, only({"宋体", "华文中宋"})), "华文中宋");
    EXPECT_EQ(dialog::first_installed(title, only({})), "方正小标宋简体");
    EXPECT_EQ(dialog::font_to_show(title, "黑体", only({"黑体", "宋体"})), "黑体");
    EXPECT_EQ(dialog::font_to_show(title, "黑体", only({"宋体"})), "宋体");
}

}  // namespace
