#pragma once
// The contents of a perpetual-calendar year file, computed from the engine's own astronomy: the
// pillars of the pillar module, the 節 entries of the old-calendar module's solar-term table and
// the old-calendar date of each 1st.

#include "calendar/perpetual_calendar.h"

namespace suimei {

class TQrekiMod;

// Era letter and year used in the files: M up to 1911, T 1912-1925, S 1926-1988 and H from 1989
// on (the format knows no later era, so 平成 years simply continue: 2019 is H31).
char etoEraLetter(int year);
int etoEraYear(int year);

// Two-hour period (branch 1..12) written for an entry at clock hour 0..23. An entry in the 23rd
// hour is written as 亥 of its own day: written as 子 it would put every birth of that day after
// an entry that has not yet happened.
int etoEntryBranch(int hour);

// The year file of Gregorian year 1..9999 (months and days 1..12 filled).
EtoYear generateEtoYear(int year, TQrekiMod& qreki);

}  // namespace suimei
