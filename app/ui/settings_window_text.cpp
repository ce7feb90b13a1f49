#include "app/ui/settings_window_text.h"

#include "app/settings.h"

namespace suimei {

QString hiddenStemSchoolText(int school) {
    return qs(hiddenStemSchoolName(school));
}

QString stageSchoolLabelText(int school) {
    return qs(twelveStageSchoolLabel(school));
}

}  // namespace suimei
