#pragma once
// Tbyoukifrm, "病気は五行のバランスのくづれである（臓器学説）": a reading on health from the
// balance of the chart's five elements (organ theory), in a memo the reader edits freely, with
// foods for each element appended on choice, the worked examples and printing.

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace suimei {

class Notifier;
class Tmandata;
class WorkbenchHost;
struct Settings;
class Tbyokifrm2;

inline constexpr char kIllnessCaption[] = "病気は五行のバランスのくづれである（臓器学説）";

class Tbyoukifrm : public QWidget {
    Q_OBJECT
  public:
    // Composes the basic text of `chart` at once. The client's name comes from `host`, the
    // footer of the print from `settings`.
    Tbyoukifrm(const Tmandata& chart, WorkbenchHost& host, const Settings& settings,
               Notifier& notifier, QWidget* parent = nullptr);

    QPlainTextEdit* memo() const { return memo_; }
    QComboBox* foodChoice() const { return food_; }
    // The memo as lines, as it is printed.
    QStringList memoLines() const;
    // The examples window once 具体例 has opened it, else nullptr.
    Tbyokifrm2* examples() const { return examples_; }

    // 基本文章の作成: the memo cleared and the basic text written again.
    void composeClick();
    // A choice of the food selector (0..4 = 木..水): the food lines of the element's two stems.
    void foodChosen(int index);
    // 全削除, 具体例, 印刷.
    void clearClick();
    void examplesClick();
    void printClick();

  private:
    void appendLines(const std::vector<std::string>& lines);

    const Tmandata& chart_;
    WorkbenchHost& host_;
    const Settings& settings_;
    Notifier& notifier_;
    QPlainTextEdit* memo_ = nullptr;
    QComboBox* food_ = nullptr;
    Tbyokifrm2* examples_ = nullptr;
};

}  // namespace suimei
