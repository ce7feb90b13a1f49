#pragma once
// What the data page asks before a client record is written: whether the typed birth data would
// replace another person's, and whether the record may be stored at all. Also the columns a run
// writes back into the record.

#include <string>
#include <utility>
#include <vector>

#include "app/appraisal.h"

namespace suimei {

// The birth data of one client as the data page holds it (field texts).
struct ClientBirthData {
    std::string name;
    std::string birthDate;
    std::string time;
    std::string sex;
};

// True when `typed` describes another birth than `stored`: the name (blanks around it aside),
// time or sex differ, or the dates differ once both are normalised (1959/5/7 and 1959/05/07
// are the same date).
bool birthDataChanged(const ClientBirthData& stored, const ClientBirthData& typed);

// What keeps the record from being stored, one line each: no name, no sex, the date's own
// validation message, a day its month does not have. Empty when the record may be stored.
std::vector<std::string> clientRecordFaults(const ClientBirthData& typed);

// The field values a completed run writes into the client record: the six summary columns and,
// when given, the normalised birth date.
std::vector<std::pair<std::string, std::string>> runResultFields(const SummaryColumns& summary,
                                                                 const std::string& normalizedDate);

}  // namespace suimei
