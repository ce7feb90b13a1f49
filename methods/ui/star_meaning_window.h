#pragma once
// The window "九星の意味": the nine stars' headings and meanings on a 3 × 3 grid in board order
// (South at the top), and the trades of the star chosen in "参照したい星を指定して下さい"
// (一白水星 chosen when the window opens).

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace suimei {

class StarMeaningWindow : public QWidget {
    Q_OBJECT
  public:
    explicit StarMeaningWindow(QWidget* parent = nullptr);

    // Chooses the first star again (as each opening does).
    void chooseFirstStar();

    QComboBox* starChoice() const { return choice_; }
    QPlainTextEdit* trades() const { return trades_; }
    // The meaning square of board position 1..9 (nullptr out of range).
    QLabel* meaningLabel(int position) const;

  private:
    void showTrades(int index);

    QComboBox* choice_ = nullptr;
    QPlainTextEdit* trades_ = nullptr;
};

}  // namespace suimei
