#pragma once
// 蔵干表の指定などの環境設定 (Tenvsetfrm): the schools and switches of the run-time settings. Every
// control changes the run-time value at once; 設定保存 also writes them to the settings file so
// they hold at the next start, 閉じる(&C) keeps them only until the program ends.

#include <QDialog>

#include "app/settings.h"
#include "core/notifier.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace suimei {

class Tenvsetfrm : public QDialog {
    Q_OBJECT
  public:
    // `settings` are the run-time values the whole program reads; they must outlive the window.
    Tenvsetfrm(Settings& settings, SettingsStore store, Notifier& notifier,
               QWidget* parent = nullptr);

    // Loads the controls from the run-time values (the start-up sound box from the file), as the
    // main window does each time it opens the window. A school outside its list checks no item.
    void loadControls();

  signals:
    // The hidden-stem school was chosen (0..5): the hidden-stem tables window follows.
    void hiddenStemSchoolChosen(int school);
    // The twelve-stage school was chosen (0..2): the twelve-stage chart follows.
    void stageSchoolChosen(int school);
    // 蔵干表, 十二運星 and 台湾旧暦 ask for their windows.
    void hiddenStemTablesRequested(int school);
    void stageTableRequested(int school);
    void taiwanWindowRequested();
    // 設定保存 wrote the settings file.
    void settingsSaved();

  private:
    void saveAndClose();

    Settings& settings_;
    SettingsStore store_;
    Notifier& notifier_;
    QButtonGroup* hiddenStemSchools_ = nullptr;
    QButtonGroup* stageSchools_ = nullptr;
    QButtonGroup* oldCalendarBases_ = nullptr;
    QLabel* explanation_ = nullptr;
    QCheckBox* astronomical_ = nullptr;
    QCheckBox* noSound_ = nullptr;
    QCheckBox* southern_ = nullptr;
    QCheckBox* noPictures_ = nullptr;
    QCheckBox* preciseAstronomy_ = nullptr;
};

}  // namespace suimei
