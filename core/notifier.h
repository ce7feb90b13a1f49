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
    // A question with its own buttons (texts in order); returns the index of the one chosen.
    // `safeButton` (-1: the last) is the one that loses nothing: Escape and Enter pick it. A
    // notifier that cannot show the buttons answers it as a yes/no question: Yes is the first
    // button, No the safe one.
    virtual int choose(const std::string& text, const std::vector<std::string>& buttons,
                       const std::string& caption = {}, int safeButton = -1) {
        if (buttons.empty()) return -1;
        const int safe = safeButton >= 0 && safeButton < static_cast<int>(buttons.size())
                             ? safeButton
                             : static_cast<int>(buttons.size()) - 1;
        return notify({NoticeKind::Question, text, caption}) ? 0 : safe;
    }
};

// Keeps every notice; answers questions with `answer`, and questions with buttons with the next
// of `choices` (then `choice` once they are used up). Used by tests and batch work.
class RecordingNotifier : public Notifier {
  public:
    bool answer = true;
    int choice = 0;
    std::vector<int> choices;
    std::vector<Notice> notices;
    std::vector<std::string> lastButtons;  // the buttons of the last question with buttons

    bool notify(const Notice& notice) override {
        notices.push_back(notice);
        return notice.kind == NoticeKind::Question ? answer : true;
    }
    int choose(const std::string& text, const std::vector<std::string>& buttons,
               const std::string& caption = {}, int /*safeButton*/ = -1) override {
        notices.push_back({NoticeKind::Question, text, caption});
        lastButtons = buttons;
        if (choices.empty()) return choice;
        const int next = choices.front();
        choices.erase(choices.begin());
        return next;
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
