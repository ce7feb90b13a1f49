#pragma once
// 相性の画面 (TAisyoForm): the two people's five-element energy as stacked squares, one column an
// element, the client's squares first in one colour, the partner's on top in another.

#include <QDialog>

#include <string>

#include "app/compatibility.h"

class QLabel;

namespace suimei {

class EnergyCanvas;

class TAisyoForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAisyoForm(QWidget* parent = nullptr);

    // Shows the squares of a pair, the legend naming both people.
    void showPair(const Tmandata& client, const Tmandata& partner, const std::string& clientName,
                  const std::string& partnerName);
    const EnergyColumns& columns() const { return columns_; }

  private:
    EnergyColumns columns_;
    EnergyCanvas* canvas_ = nullptr;
    QLabel* clientLegend_ = nullptr;
    QLabel* partnerLegend_ = nullptr;
};

}  // namespace suimei
