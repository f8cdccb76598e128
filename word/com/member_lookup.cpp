#include "word/com/member_lookup.h"

#include <map>
#include <optional>

#include "word/com/dispatch.h"
#include "word/errors.h"

namespace word::com {

namespace {

using Microsoft::WRL::ComPtr;

// How an object of a type is read from one of another: a property, or
// Item(item) of a collection.
struct Way {
    ObjectType from;
    const char* member;
    std::int32_t item = 0;
};

std::optional<Way> way_to(ObjectType type)
{
    switch (type) {
    case ObjectType::application: return std::nullopt;
    case ObjectType::documents: return Way{ObjectType::application, "Documents"};
    case ObjectType::document: return Way{ObjectType::application, "ActiveDocument"};
    case ObjectType::selection: return Way{ObjectType::application, "Selection"};
    case ObjectType::undo_record: return Way{ObjectType::application, "UndoRecord"};
    case ObjectType::range: return Way{ObjectType::document, "Content"};
    case ObjectType::characters: return Way{ObjectType::range, "Characters"};
    case ObjectType::font: return Way{ObjectType::range, "Font"};
    case ObjectType::paragraph_format: return Way{ObjectType::range, "ParagraphFormat"};
    case ObjectType::fields: return Way{ObjectType::range, "Fields"};
    case ObjectType::list_format: return Way{ObjectType::range, "ListFormat"};
    case ObjectType::text_retrieval_mode: return Way{ObjectType::range, "TextRetrievalMode"};
    case ObjectType::paragraphs: return Way{ObjectType::document, "Paragraphs"};
    case ObjectType::paragraph: return Way{ObjectType::paragraphs, "Item", 1};
    case ObjectType::page_setup: return Way{ObjectType::document, "PageSetup"};
    case ObjectType::sections: return Way{ObjectType::document, "Sections"};
    case ObjectType::section: return Way{ObjectType::sections, "Item", 1};
    case ObjectType::headers_footers: return Way{ObjectType::section, "Footers"};
    case ObjectType::header_footer: return Way{ObjectType::headers_footers, "Item", 1};
    case ObjectType::tables: return Way{ObjectType::document, "Tables"};
    case ObjectType::table: return Way{ObjectType::tables, "Item", 1};
    case ObjectType::list_paragraphs: return Way{ObjectType::document, "ListParagraphs"};
    case ObjectType::borders: return Way{ObjectType::paragraph_format, "Borders"};
    case ObjectType::border: return Way{ObjectType::borders, "Item", value_of(BorderSide::bottom)};
    case ObjectType::tab_stops: return Way{ObjectType::paragraph_format, "TabStops"};
    }
    return std::nullopt;
}

// An object of the type, or none: a member on the way is lacking (that
// member is the one to name), or the server refused a read (no document
// open, no table).
struct Reached {
    ComPtr<IDispatch> object;
};

class Lookup {
public:
    Lookup(IDispatch* application, ComSession& session) : session_(session)
    {
        reached_.emplace(ObjectType::application, Reached{application});
    }

    const Reached& reach(ObjectType type)
    {
        if (const auto known = reached_.find(type); known != reached_.end()) return known->second;
        const Way way = *way_to(type);
        Reached result = reach(way.from);
        if (result.object) {
            Dispatch from(result.object, session_, object_name(way.from));
            try {
                result.object = from.has(way.member) ? way.item != 0 ? from.call_object(way.member, way.item)
                                                                      : from.get_object(way.member)
                                                     : nullptr;
            } catch (const EOleSysError& error) {
                if (is_connection_failure(error.error_code())) throw;
                result.object = nullptr;
            } catch (const EOleError&) {
                result.object = nullptr;
            }
        }
        return reached_.emplace(type, std::move(result)).first->second;
    }

private:
    ComSession& session_;
    std::map<ObjectType, Reached> reached_;
};

// A member on the way to the type is known to be lacking: no object of it
// can be reached, now or later.
bool known_unreachable(ComSession& session, ObjectType type)
{
    for (auto way = way_to(type); way; way = way_to(way->from)) {
        const MemberIds& known = session.member_ids(object_name(way->from));
        if (const auto id = known.find(way->member); id != known.end() && id->second == DISPID_UNKNOWN) return true;
    }
    return false;
}

}  // namespace

std::vector<MemberName> missing_members(IDispatch* application, ComSession& session,
                                        const std::vector<MemberName>& members)
{
    Lookup lookup(application, session);
    std::vector<MemberName> lacking;
    for (const MemberName& name : members) {
        const std::string member(name.member);
        const MemberIds& known = session.member_ids(object_name(name.object));
        if (const auto id = known.find(member); id != known.end()) {
            if (id->second == DISPID_UNKNOWN) lacking.push_back(name);
            continue;
        }
        if (known_unreachable(session, name.object)) continue;
        const Reached& object = lookup.reach(name.object);
        if (object.object && !Dispatch(object.object, session, object_name(name.object)).has(member.c_str()))
            lacking.push_back(name);
    }
    return lacking;
}

std::string program_name(IDispatch* application, ComSession& session)
{
    if (session.program_name_read()) return session.program_name();
    std::string name = session.program_name();
    try {
        Dispatch word(application, session, object_name(ObjectType::application));
        if (word.has("Name")) name = program_by_name(word.get_text("Name"), name);
    } catch (const EOleSysError& error) {
        if (is_connection_failure(error.error_code())) throw;
    } catch (const EOleError&) {
        // A server with no name to give is known by its class.
    }
    session.set_program_name(std::move(name));
    return session.program_name();
}

}  // namespace word::com
