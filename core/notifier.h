#pragma once
// Whatever must tell the user something is handed a Notifier. The desktop shows a modal message
// box, the command-line tool writes to stderr, and tests record. The engine never calls the ui.

#include <string>
#include <vector>

namespace suimei {

enum class NoticeKind { Information, Warning, Error, Question };

struct Notice {
    NoticeKind kind = NoticeKind::Information;
    std::string text;
    std::string caption;
};

class Notifier {
  public:
    virtual ~Notifier() = default;
    // Shows the notice; for a question returns the answer (true = Yes), otherwise true.
    virtual bool notify(const Notice& notice) = 0;

    void info(const std::string& text, const std::string& caption = {}) {
        notify({NoticeKind::Information, text, caption});
    }
    void warn(const std::string& text, const std::string& caption = {}) {
        notify({NoticeKind::Warning, text, caption});
    }
    void error(const std::string& text, const std::string& caption = {}) {
        notify({NoticeKind::Error, text, caption});
    }
    bool ask(const std::string& text, const std::string& caption = {}) {
        return notify({NoticeKind::Question, text, caption});
    }
};

// Keeps every notice; answers questions with `answer`. Used by tests and batch work.
class RecordingNotifier : public Notifier {
  public:
    bool answer = true;
    std::vector<Notice> notices;

    bool notify(const Notice& notice) override {
        notices.push_back(notice);
        return notice.kind == NoticeKind::Question ? answer : true;
    }
    bool empty() const { return notices.empty(); }
    const std::string& lastText() const {
        static const std::string none;
        return notices.empty() ? none : notices.back().text;
    }
};

// Writes each notice as one line on stderr; answers questions with a fixed answer.
class StderrNotifier : public Notifier {
  public:
    explicit StderrNotifier(bool answer = false) : answer_(answer) {}
    bool notify(const Notice& notice) override;

  private:
    bool answer_;
};

}  // namespace suimei
