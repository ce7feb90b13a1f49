#pragma once
// The 命式の分析 page of the main window: the four pillar columns with their marks and relation
// lines, the chart facts, the strength gauges and bar charts, the element counts, pattern, useful
// god and the relation check boxes. It shows an AppraisalDisplay and computes nothing itself.

#include <QString>
#include <QWidget>
#include <array>
#include <vector>

#include "app/appraisal.h"
#include "calendar/types.h"

class QAbstractButton;
class QBarSet;
class QChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QValueAxis;

namespace suimei {

// The pillar columns, their buttons, the row labels, and the relation lines between neighbours.
class PillarBoard : public QWidget {
    Q_OBJECT
  public:
    explicit PillarBoard(QWidget* parent = nullptr);

    struct Column {
        QPushButton* caption = nullptr;              // 時柱 日柱 月柱 年柱
        QLabel* mark = nullptr;                      // jilbl daylbl tukilbl nenlbl
        QToolButton* stem = nullptr;                 // ji1 niti1 tuki1 nen1
        QToolButton* branch = nullptr;               // ji2 niti2 tuki2 nen2
        std::array<QPushButton*, 3> hidden{};        // ji_z1..3 ...
        std::array<QPushButton*, 3> hiddenTenGod{};  // ji_hen1..3 ...
        QPushButton* stage = nullptr;                // ji12 niti12 tuki12 nen12
    };
    std::array<Column, 4> columns;

    void setLines(std::vector<RelationLine> lines, std::vector<RelationMarker> markers);
    // Hides every relation line and marker.
    void clearLines();
    // Puts the hidden-stem buttons back at their home positions with the full width.
    void resetHiddenButtons();
    // Shows `count` hidden-stem and `tenGodCount` ten-god buttons of a column at the full width,
    // the others with width 0.
    void setHiddenCount(int column, int count, int tenGodCount);
    const std::vector<RelationLine>& lines() const { return lines_; }
    // The markers currently shown (circles over the stem or branch buttons).
    std::vector<QWidget*> visibleMarkers() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect cellRect(int column, ChartRow row) const;
    std::vector<RelationLine> lines_;
    std::vector<QWidget*> markerPool_;
};

class ChartPage : public QWidget {
    Q_OBJECT
  public:
    explicit ChartPage(QWidget* parent = nullptr);

    // Folder of the glyph pictures ("kinoe.bmp" ... "null.bmp").
    void setPictureFolder(const QString& folder) { pictureFolder_ = folder; }

    // Fills every control from the display facts of a completed run.
    void showDisplay(const AppraisalDisplay& display);
    // What a run resets before it starts: the pillar marks, the relation lines and markers, the
    // hidden-stem buttons back at home, and the line about a birth near a boundary.
    void resetForRun();
    // The line about a birth near a boundary of the pillars (or of unknown time) with the button
    // that compares the candidate charts; an empty line hides both.
    void showAmbiguity(const QString& line);

    PillarBoard* board() const { return board_; }
    // The stem meaning of a column from the last display (empty before a run or for no stem).
    QString stemMeaning(int column) const;

  signals:
    void stemClicked(int column);
    void pillarCaptionClicked(int column);
    void monthBranchClicked();
    // The reader ticked or cleared the one-hour correction of a summer-time birth.
    void summerTimeCorrectionToggled(bool correct);
    // The reader pressed 候補の命式を比べる.
    void ambiguityComparisonRequested();

  private:
    QWidget* buildFactsGroup();
    QWidget* buildRelationsGroup();
    QWidget* buildStrengthGroup();
    QWidget* buildGraphs();
    QWidget* buildElementCounts();
    QWidget* buildPatternGroup();
    void showColumn(int column, const PillarCell& cell);
    void setBarValues(QChart* chart, QValueAxis* axis, const std::vector<QBarSet*>& sets,
                      const std::vector<int>& values, bool oneSetPerBar);

    QString pictureFolder_;
    PillarBoard* board_ = nullptr;
    QLabel* namePanel_ = nullptr;
    QLabel* ageLabel_ = nullptr;
    std::array<QString, 4> stemMeanings_;

    QLabel *kubolbl_ = nullptr, *meilbl_ = nullptr, *aftersetulbl_ = nullptr, *daiunlbl_ = nullptr,
           *daiunstatlbl_ = nullptr, *qrekilbl_ = nullptr, *kyuseiyylbl_ = nullptr,
           *kyuseimmlbl_ = nullptr, *unko_ = nullptr, *zokanryuha_ = nullptr, *un12ryuha_ = nullptr;
    QProgressBar *miougage_ = nullptr, *getureigage_ = nullptr, *gogyogage_ = nullptr,
                 *houngage_ = nullptr;
    QLabel *mioulbl_ = nullptr, *mypower_ = nullptr, *tensu_ = nullptr;
    QChart *graph1_ = nullptr, *graph2_ = nullptr;
    QValueAxis *graph1Axis_ = nullptr, *graph2Axis_ = nullptr;
    std::vector<QBarSet*> graph1Sets_, graph2Sets_;
    std::array<QLabel*, 5> stemCountLabels_{}, branchCountLabels_{};
    QComboBox *kyoku_ = nullptr, *yojin_ = nullptr;
    QLabel* cyokolbl_ = nullptr;
    QLineEdit *yorokobu_ = nullptr, *kirau_ = nullptr;
    std::array<QCheckBox*, 7> relationChecks_{};
    // Shown only for a birth in the summer time of 1948-1951.
    QLabel* summerlbl_ = nullptr;
    QCheckBox* summerbox_ = nullptr;
    QLabel* ambiguitylbl_ = nullptr;
    QPushButton* ambiguitybtn_ = nullptr;
};

}  // namespace suimei
