#pragma once
// 十二運　点数の変更画面 (Tbiosetteifrm): the points of the twelve stages that the twelve-stage
// rhythm graph adds up, and the item list of the main window that names them.

#include <QDialog>
#include <QStringList>

#include <array>

#include "app/settings.h"
#include "core/notifier.h"

class QSpinBox;

namespace suimei {

class Tbiosetteifrm : public QDialog {
    Q_OBJECT
  public:
    // `settings` (its stage points read from the settings file at start-up) must outlive the
    // window.
    Tbiosetteifrm(Settings& settings, SettingsStore store, Notifier& notifier,
                  QWidget* parent = nullptr);

    // The main window's item list: point + "点-" + stage name for 長生 .. 養.
    static QStringList itemList(const StagePoints& points);
    QStringList itemList() const { return itemList(settings_.stagePoints); }

  signals:
    // 登録して閉じる stored new points; the main window rebuilds its item list from `items`.
    void pointsRegistered(const QStringList& items);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showPoints(const StagePoints& points);
    void registerAndClose();

    Settings& settings_;
    SettingsStore store_;
    Notifier& notifier_;
    std::array<QSpinBox*, 13> edits_{};  // 1..12 = 長生 .. 養
};

}  // namespace suimei
