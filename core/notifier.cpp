#include "core/notifier.h"

#include <cstdio>

namespace suimei {

bool StderrNotifier::notify(const Notice& notice) {
    const char* prefix = "";
    switch (notice.kind) {
        case NoticeKind::Information:
            prefix = "情報";
            break;
        case NoticeKind::Warning:
            prefix = "警告";
            break;
        case NoticeKind::Error:
            prefix = "エラー";
            break;
        case NoticeKind::Question:
            prefix = "確認";
            break;
    }
    std::fprintf(stderr, "%s: %s\n", prefix, notice.text.c_str());
    return notice.kind == NoticeKind::Question ? answer_ : true;
}

}  // namespace suimei
