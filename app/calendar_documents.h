#pragma once
// The printed calendars of the current chart: the run's chart, the client's name and the
// practitioner of the settings put into the calendar composers.

#include <string>

#include "core/app_paths.h"
#include "core/print_document.h"

namespace suimei {

class AppraisalRunner;
struct Settings;

// The fortune calendar of month 1..12 (0: the twelve months) of `year` for the runner's chart,
// its texts read from the passage table of `paths` (a missing table leaves the texts empty).
print::PrintDocument fortuneCalendarDocument(AppraisalRunner& runner, const Settings& settings,
                                             const AppPaths& paths, const std::string& clientName,
                                             int year, int month);
// The lunar-mansion calendar of the same months, the days reckoned in the old-calendar variant
// of the settings.
print::PrintDocument mansionCalendarDocument(AppraisalRunner& runner, const Settings& settings,
                                             const std::string& clientName, int year, int month);

}  // namespace suimei
