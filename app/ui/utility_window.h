#pragma once
// "ユーテイリテイ画面": the data utilities for advanced users on the open client table — CSV export
// and import, appraising every client, emptying the table. Each ends the program when it is done,
// so that the next start opens the changed table afresh. Long work shows a progress dialog that
// can stop it.

#include <QDialog>
#include <functional>

#include "core/notifier.h"

class QLabel;
class QPushButton;

namespace suimei {

class AppraisalBackend;
class Tmenufrm;

// Completion messages of the utilities.
inline constexpr char kExportDoneText[] =
    "人名と生年月日の全データの出力が完了しました。本ソフトを一度終了しますので、再起動を行って下さ"
    "い"
    "。";
inline constexpr char kImportDoneText[] =
    "人名と生年月日のファイルの取り込みが完了しました。取り込んだデータを有効にするために一度本ソフ"
    "ト"
    "を終了します。";
inline constexpr char kAppraiseAllDoneText[] =
    "全データの診断が完了しました。一度本ソフトを終了します。再起動してください。";
inline constexpr char kEmptyTableDoneText[] =
    "全データの削除を完了しました。削除を有効にするために、本ソフトを一度終了します。";

class TUtyForm1 : public QDialog {
    Q_OBJECT
  public:
    enum class FileDialog { SaveCsv, OpenCsv };

    // `backend` runs the appraisals of 全人名を一括して鑑定する; the window works on the table of
    // the main window's データ入力 page and closes the main window when a utility is done.
    TUtyForm1(Tmenufrm& mainWindow, AppraisalBackend& backend, Notifier& notifier,
              QWidget* parent = nullptr);

    // The file dialogs: gets the kind and the folder to start in, returns the chosen path ("" =
    // cancelled). QFileDialog when not set.
    void setFileChooser(std::function<QString(FileDialog, const QString& folder)> choose) {
        chooseFile_ = std::move(choose);
    }

    // The four utilities.
    void databasebunsyoClick();  // CSV export
    void SpeedButton1Click();    // CSV import
    void SpeedButton2Click();    // appraise every client
    void SpeedButton3Click();    // empty the table

  protected:
    // Shows which table the utilities will work on.
    void showEvent(QShowEvent* event) override;

  private:
    QString chooseFile(FileDialog kind);
    // Ends the program: this window closes, then the main window.
    void endProgram();
    bool tableReady();

    Tmenufrm& main_;
    AppraisalBackend& backend_;
    Notifier& notifier_;
    std::function<QString(FileDialog, const QString&)> chooseFile_;
    QString lastFolder_;
    QLabel* tableLabel_ = nullptr;
};

}  // namespace suimei
