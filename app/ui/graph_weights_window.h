#pragma once
// グラフの計算方法 (Tgraphcalcfrm): how strongly the element of a luck period and of a year act
// on the chart's elements in the life-long element graph.

#include <QDialog>

#include "app/settings.h"
#include "core/notifier.h"

class QComboBox;

namespace suimei {

class Tgraphcalcfrm : public QDialog {
    Q_OBJECT
  public:
    // Shows the run-time weights (read from the settings file at start-up); `settings` must outlive
    // the window.
    Tgraphcalcfrm(Settings& settings, SettingsStore store, Notifier& notifier,
                  QWidget* parent = nullptr);

    // The six weights as the drop-downs show them.
    GraphWeights shownWeights() const;

  signals:
    // 計算方法の確定 changed the weights: the appraisal is to be run again.
    void recalculationRequested();

  private:
    void showWeights(const GraphWeights& weights);
    void confirm();

    Settings& settings_;
    SettingsStore store_;
    Notifier& notifier_;
    QComboBox* same_ = nullptr;         // higo
    QComboBox* produced_ = nullptr;     // syokusyo
    QComboBox* controlled_ = nullptr;   // zai
    QComboBox* controlling_ = nullptr;  // kan
    QComboBox* producing_ = nullptr;    // insei
    QComboBox* yearSame_ = nullptr;     // nenhigo
};

}  // namespace suimei
