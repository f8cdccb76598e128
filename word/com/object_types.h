// The name under which the session keeps each object type's DISPIDs:
// Word's own interface names.
#pragma once

#include "word/object_model.h"

namespace word::com {

constexpr const char* type_name(ObjectType type)
{
    switch (type) {
    case ObjectType::application: return "_Application";
    case ObjectType::documents: return "Documents";
    case ObjectType::document: return "_Document";
    case ObjectType::range: return "Range";
    case ObjectType::characters: return "Characters";
    case ObjectType::font: return "_Font";
    case ObjectType::paragraph_format: return "_ParagraphFormat";
    case ObjectType::fields: return "Fields";
    case ObjectType::list_format: return "ListFormat";
    case ObjectType::text_retrieval_mode: return "TextRetrievalMode";
    case ObjectType::paragraphs: return "Paragraphs";
    case ObjectType::paragraph: return "Paragraph";
    case ObjectType::page_setup: return "PageSetup";
    case ObjectType::sections: return "Sections";
    case ObjectType::section: return "Section";
    case ObjectType::headers_footers: return "HeadersFooters";
    case ObjectType::header_footer: return "HeaderFooter";
    case ObjectType::tables: return "Tables";
    case ObjectType::table: return "Table";
    case ObjectType::list_paragraphs: return "ListParagraphs";
    case ObjectType::selection: return "Selection";
    case ObjectType::undo_record: return "UndoRecord";
    case ObjectType::borders: return "Borders";
    case ObjectType::border: return "Border";
    case ObjectType::tab_stops: return "TabStops";
    }
    return "";
}

}  // namespace word::com
