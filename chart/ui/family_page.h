#pragma once
// Page 六親図表: the eighteen relatives as stems, the side panel of the chart's stems and active
// hidden stems, the memo Memo1 and its three reading buttons, 全文削除 and 印刷 (print6sinbtn).

#include <QWidget>

#include <array>
#include <string>
#include <vector>

#include "chart/family.h"

class QLabel;
class QPlainTextEdit;

namespace suimei {

class FamilyPage : public QWidget {
    Q_OBJECT
  public:
    explicit FamilyPage(QWidget* parent = nullptr);
    // Shows the diagram (all boxes empty and the no-run text when hasRun is false).
    void showDiagram(const FamilyDiagram& diagram, bool hasRun);
    void appendLines(const std::vector<std::string>& lines);
    void clearMemo();
    // The memo as it reads now, line by line.
    std::vector<std::string> memoLines() const;

  signals:
    // 0 配偶者干と位置関係, 1 配偶者干と日支の干, 2 天冲殺による試練.
    void readingRequested(int which);
    // 印刷 was pressed.
    void printRequested();

  private:
    std::array<QLabel*, kFamilyBoxes> boxes_{};
    std::array<QLabel*, kFamilyBoxes> labels_{};
    std::array<QLabel*, 8> side_{};
    QLabel* status_;
    QPlainTextEdit* memo_;
};

}  // namespace suimei
