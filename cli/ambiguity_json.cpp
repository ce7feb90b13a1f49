#include "cli/ambiguity_json.h"

#include <optional>
#include <string_view>

namespace suimei::cli {

namespace {

void minutesOrNull(JsonWriter& w, std::string_view name, const std::optional<int>& minutes) {
    w.key(name);
    if (minutes) {
        w.value(*minutes);
    } else {
        w.null();
    }
}

void candidateObject(JsonWriter& w, const CandidateChart& c) {
    w.beginObject();
    w.member("assumption", c.assumption);
    w.member("asRun", c.asRun);
    w.member("offsetMinutes", c.offsetMinutes);
    if (!c.periodText.empty()) w.member("period", c.periodText);
    // Keys "group.member" nest ("pillars.year" -> pillars: {year}); the members of a group stand
    // next to each other in the list, and the other keys stand alone.
    const auto& keys = candidateItemKeys();
    std::string_view openGroup;
    for (std::size_t i = 0; i < keys.size() && i < c.items.size(); ++i) {
        const std::string_view key = keys[i].key;
        const std::size_t dot = key.find('.');
        const std::string_view group = dot == std::string_view::npos ? "" : key.substr(0, dot);
        if (group != openGroup) {
            if (!openGroup.empty()) w.endObject();
            if (!group.empty()) {
                w.key(group);
                w.beginObject();
            }
            openGroup = group;
        }
        w.member(dot == std::string_view::npos ? key : key.substr(dot + 1), c.items[i]);
    }
    if (!openGroup.empty()) w.endObject();
    w.key("differs");
    w.array(c.differs);
    w.endObject();
}

}  // namespace

void ambiguityObject(JsonWriter& w, const BirthAmbiguity& ambiguity,
                     const std::vector<CandidateChart>& candidates) {
    w.beginObject();
    minutesOrNull(w, "nearEntryMinutes", ambiguity.nearEntryMinutes);
    minutesOrNull(w, "nearHourBoundaryMinutes", ambiguity.nearHourBoundaryMinutes);
    w.member("timeUnknown", ambiguity.timeUnknown);
    w.member("ambiguous", ambiguity.ambiguous());
    w.member("line", ambiguityLine(ambiguity));
    w.key("candidates");
    w.beginArray();
    for (const CandidateChart& c : candidates) candidateObject(w, c);
    w.endArray();
    w.endObject();
}

}  // namespace suimei::cli
