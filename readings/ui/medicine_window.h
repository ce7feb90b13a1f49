#pragma once
// Tigakufrm, "中医学から見た健康管理と食事療法": a passage on health and diet chosen by a stem
// (preset to the client's day master) or by a symptom, written into the AI memo. Each of its two
// buttons hands its lines to the memo and closes the window.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "readings/passage_table.h"

class QComboBox;

namespace suimei {

class Tigakufrm : public QWidget {
    Q_OBJECT
  public:
    using Append = std::function<void(const std::vector<std::string>& lines)>;

    // `append` receives the lines of a diagnosis (the memo adds them to the client's remarks).
    Tigakufrm(PassageTable& passages, Append append, QWidget* parent = nullptr);

    // Presets the stem choice to stem 1..10 (甲..癸); any other value leaves it as it is.
    void chooseStem(int stem);

    QComboBox* stemChoice() const { return stems_; }
    QComboBox* symptomChoice() const { return symptoms_; }

    // 十干別診断 (btn1) and 症状診断 (btn2).
    void btn1Click();
    void btn2Click();

  private:
    PassageTable& passages_;
    Append append_;
    QComboBox* stems_ = nullptr;
    QComboBox* symptoms_ = nullptr;
};

}  // namespace suimei
