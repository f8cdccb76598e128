// What each paragraph of an official document (公文) is, read from its text
// alone: the header (版头), the title, the addressee, the body and its
// headings, the attachment note, the sign-off, the annotation, the
// attachments and the imprint (版记). Pure, so that every reading can be
// tried on a table of documents without Word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "typeset/official_text.h"

namespace typeset {

struct OfficialParagraph {
    std::u32string text;      // what the paragraph shows, without its mark
    std::string list_string;  // Word's own number (UTF-8), "" for none
    bool in_table = false;
};

enum class Role {
    blank,
    copy_number,           // 份号
    secrecy,               // 密级和保密期限
    urgency,               // 紧急程度
    issuer_mark,           // 发文机关标志
    document_number,       // 发文字号, maybe with 签发人
    title,
    addressee,
    body,
    heading,               // in the body or in an attachment
    attachment_note,       // 附件说明, its first line
    attachment_note_item,  // its further lines "2.…"
    sign_off_organ,
    sign_off_date,
    annotation,            // 附注
    attachment_label,      // "附件" or "附件1" alone
    attachment_title,
    attachment_body,
    table,
    copy_to,               // 抄送
    printed_by,            // 印发
};

struct ParagraphRole {
    Role role = Role::blank;
    HeadingLevel level = HeadingLevel::none;  // headings only
    // Headings only: what heading_extent gives for the paragraph's text, the
    // run-in heading with its closing punctuation, or the whole paragraph
    // and its mark. Word's own number is outside the text and not counted.
    std::int32_t heading_extent = 0;
};

// One role for each paragraph, in order.
std::vector<ParagraphRole> recognise_official_document(const std::vector<OfficialParagraph>& paragraphs);

// "已识别：版头、标题（2 行）、主送机关、附件说明、落款、附注、附件、版记":
// the parts found, in document order; "" when none is.
std::string recognised_summary(const std::vector<ParagraphRole>& roles);

struct SignOffLines {
    std::vector<std::size_t> organs;  // top to bottom; none when the date stands alone
    std::size_t date;
};
std::optional<SignOffLines> sign_off_lines(const std::vector<ParagraphRole>& roles);

// The paragraph after which a new sign-off goes: the last written one of the
// body or of the attachment note, above any annotation, attachment and
// imprint. Meant for a document without a sign-off.
std::size_t new_sign_off_after(const std::vector<ParagraphRole>& roles);

}  // namespace typeset
