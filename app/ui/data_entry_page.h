#pragma once
// The データ入力 page of the main window: the client entry fields bound to the current record of
// the open client table, the grid Spread1 over the table, the navigation and record buttons, the
// name search, the sort order, the choice of data set and the era conversion of the birth date.
//
// Binding: the fields show the current record; what the user changes in them is written into that
// record when it is posted (ﾃﾞｰﾀ登録, a run, the calendar's OK, the end of the program) and before
// the cursor moves anywhere else. With no table open the fields hold one unsaved client.

#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/appraisal.h"
#include "core/notifier.h"
#include "core/table_store.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace suimei {

class ClientGridModel;
struct ClientBirthData;

// Messages of the page.
inline constexpr char kTableCreatedText[] =
    "新しく%1というテーブルを jinmei フォルダに作成し、インデックスも作成しました。";
inline constexpr char kEndSoftwareText[] = "ソフトウエアを一度、必ず終了させてください。";
inline constexpr char kMissingTableCreatedText[] =
    "%1 が見つからなかったため、空のテーブルを jinmei フォルダに作成しました。";
// Asked before the typed birth data replaces a stored client's ("%1": the stored name).
inline constexpr char kOverwriteQuestionText[] = "「%1」のデータを書き換えますか？";
inline constexpr char kOverwriteButton[] = "書き換える";
inline constexpr char kRegisterAsNewButton[] = "新しいお客様として登録";
inline constexpr char kCancelButton[] = "キャンセル";
// Asked before a record that does not pass the validation is left.
inline constexpr char kInvalidRecordText[] = "入力内容に誤りがあります。";
inline constexpr char kCorrectButton[] = "修正する";
inline constexpr char kDiscardButton[] = "破棄する";

class DataEntryPage : public QWidget {
    Q_OBJECT
  public:
    // How a write of the fields ended.
    enum class PostOutcome {
        Done,  // written, or nothing to write, or the unsaved changes were discarded
        Stayed,  // the user chose to stay (キャンセル, 修正する): nothing written, the form as
                 // typed
        Failed,  // the table refused the write (shown); the changes were dropped
    };

    explicit DataEntryPage(Notifier& notifier, QWidget* parent = nullptr);
    ~DataEntryPage() override;

    // The folder of the client tables ("jinmei" below the application folder).
    void setJinmeiDir(const std::filesystem::path& dir);
    const std::filesystem::path& jinmeiDir() const { return jinmeiDir_; }
    // Opens data set 0..3 (デモのデータ, 貴方のデータ１..３) after posting the current record; a
    // missing table is created empty with a notice. False (with a notice) when it cannot be
    // opened; the page then holds no table.
    bool openDataSet(int index);
    int dataSet() const { return dataSet_; }
    // The open table, nullptr when none.
    Table* table() const { return table_.get(); }
    ClientGridModel* gridModel() const { return model_; }
    QTableView* grid() const { return grid_; }

    // The bound fields (object names simei, birthday, timeb, sex, DBMemo1).
    QLineEdit* nameEdit() const { return simei_; }
    QLineEdit* birthDateEdit() const { return birthday_; }
    QComboBox* timeCombo() const { return timeb_; }
    QComboBox* sexCombo() const { return sex_; }
    QPlainTextEdit* memoEdit() const { return memo_; }

    // Every write of typed fields is checked first: a record that does not pass the validation
    // is never stored, and typed birth data that would replace a stored client's asks whether to
    // overwrite it, register it as a new client or cancel.

    // Writes what was changed in the fields into the current record and posts it; with an empty
    // table the fields become its first record. True when there was nothing to write or the
    // write succeeded; false when it was refused (shown) or cancelled.
    bool postRecord();
    // Before the record is left (another record, the end of the program, the utility window):
    // posts what was changed, or drops an appended record nothing was typed into; an invalid
    // record asks to correct it or discard the changes. True when the record may be left.
    bool commitPendingEdits() { return leaveRecord() == PostOutcome::Done; }
    PostOutcome leaveRecord();
    // After a completed run: the normalised birth date and the summary columns go into the current
    // record with the changed fields, and the record is posted. Nothing happens without a table.
    bool writeRunResult(const SummaryColumns& summary, const std::string& normalizedDate) {
        return postRunResult(summary, normalizedDate) == PostOutcome::Done;
    }
    PostOutcome postRunResult(const SummaryColumns& summary, const std::string& normalizedDate);
    // True while the client deleted last can be put back into the open table.
    bool canRestoreDeleted() const;
    // Shows the current record again and reads the grid afresh (after the table was changed
    // behind the page, e.g. by the utility window). Changes in the fields are dropped.
    void reloadFromTable();

    // The buttons of the page.
    void dbsentoClick();
    void dbmaeClick();
    void dbatoClick();
    void dbsaigoClick();
    void dbsinkiClick();
    void dbtorokuClick();
    void dbdeleteClick();
    // 元に戻す (Ctrl+Z on the page): puts the client deleted last back, as a new record.
    void dbundoClick();
    void jinmeiserchClick();
    // Sort button 1..6 (日主, 生年月日, 年干通変星, 月干通変星, 時干通変星, 月支通変星).
    void sortClick(int button);
    void dbselectClick(int index);
    void createbtnClick();
    // F2 in the birth-date field.
    void convertBirthDateEra();

    // The save dialog of 作成: gets the jinmei folder, returns the chosen path ("" = cancelled).
    // A QFileDialog when not set.
    void setNewTableChooser(std::function<QString(const QString& folder)> choose) {
        chooseNewTable_ = std::move(choose);
    }

  signals:
    // The ﾕｰﾃｨﾘﾃｨ button: the main window opens the utility window.
    void utilityRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum Field { kNameField, kDateField, kTimeField, kSexField, kMemoField, kFieldCount };

    QWidget* buildFields();
    QWidget* buildChoices();
    QWidget* buildButtons();
    void markChanged(Field f);
    enum class WriteReason { Register, Leave, Run };
    // Writes the changed fields (and `extra`) into the record and posts; appends first when the
    // table holds no record.
    PostOutcome writeFields(const std::vector<std::pair<std::string, std::string>>& extra,
                            WriteReason reason);
    // The birth data as the record would hold it after the write (the changed fields over the
    // stored ones), and as it holds it now.
    ClientBirthData typedBirthData() const;
    ClientBirthData storedBirthData() const;
    // Refused fields: a warning (Register) or the question to correct or discard (Leave, Run).
    PostOutcome refuseInvalid(const std::vector<std::string>& faults, WriteReason reason);
    // The typed fields (all of them) and `extra` become a new record; the current one stays.
    PostOutcome postAsNewRecord(const std::vector<std::pair<std::string, std::string>>& extra);
    // Shows the record again after a refused post and reads the grid afresh.
    void showAfterFailure(const std::string& why);
    // Drops an appended record nothing was typed into (as moving away from it does).
    void dropEmptyAppend();
    void showCurrentRecord();
    void selectCurrentRow();
    void gridRowEntered(int row);
    void updateButtons();
    void checkSortButton(const std::string& indexName);
    QString fieldText(Field f) const;
    std::string recordFieldOf(Field f) const;

    Notifier& notifier_;
    std::filesystem::path jinmeiDir_;
    std::unique_ptr<Table> table_;
    int dataSet_ = 0;
    std::array<bool, kFieldCount> changed_{};
    bool loading_ = false;
    bool syncingGrid_ = false;
    long long keyBeforeAppend_ = 0;
    std::function<QString(const QString&)> chooseNewTable_;
    // The client deleted last and the table it came from (until the next deletion).
    Record deleted_;
    std::filesystem::path deletedFrom_;
    QPushButton* undoButton_ = nullptr;

    QLineEdit* simei_ = nullptr;
    QLineEdit* birthday_ = nullptr;
    QComboBox* timeb_ = nullptr;
    QComboBox* sex_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* tableLabel_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QButtonGroup* sortGroup_ = nullptr;
    std::array<QRadioButton*, 6> sortButtons_{};
    QButtonGroup* dataSetGroup_ = nullptr;
    std::array<QRadioButton*, 4> dataSetButtons_{};
    std::array<QPushButton*, 7> recordButtons_{};
    QTableView* grid_ = nullptr;
    ClientGridModel* model_ = nullptr;
};

}  // namespace suimei
