#pragma once
// The main window's appraisal run bound to the engine's runner.

#include "app/appraisal.h"
#include "app/ui/main_window.h"

namespace suimei {

class RunnerBackend : public AppraisalBackend {
  public:
    explicit RunnerBackend(AppraisalRunner& runner) : runner_(runner) {}
    AppraisalStatus run(const AppraisalInput& input, Notifier& notifier) override {
        return runner_.run(input, notifier);
    }
    bool hasRun() const override { return runner_.hasRun(); }
    const AppraisalDisplay& display() const override { return runner_.display(); }
    ChartHandOff chartHandOff() const override { return runner_.chartHandOff(); }

  private:
    AppraisalRunner& runner_;
};

}  // namespace suimei
