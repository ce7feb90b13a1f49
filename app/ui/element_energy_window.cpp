#include "app/ui/element_energy_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "calendar/types.h"
#include "core/ui/qt_text.h"

namespace suimei {

namespace {

const QColor kClientColour(0xe0, 0x60, 0x60);
const QColor kPartnerColour(0x40, 0x70, 0xd0);
constexpr int kSquare = 22;       // px
constexpr int kColumnWidth = 56;  // px
constexpr int kMostSquares = 16;  // both people's eight points in one element

}  // namespace

class EnergyCanvas : public QWidget {
  public:
    EnergyCanvas(const EnergyColumns& columns, QWidget* parent)
        : QWidget(parent), columns_(columns) {
        setObjectName("energyCanvas");
        setMinimumSize(5 * kColumnWidth + 20, kMostSquares * kSquare + 40);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const int base = height() - 26;
        for (int e = 1; e <= 5; ++e) {
            const int x = 10 + (e - 1) * kColumnWidth + (kColumnWidth - kSquare) / 2;
            const auto& squares = columns_[static_cast<std::size_t>(e)];
            for (std::size_t i = 0; i < squares.size(); ++i) {
                const QRect r(x, base - static_cast<int>(i + 1) * kSquare, kSquare - 2,
                              kSquare - 2);
                p.fillRect(r, squares[i].partner ? kPartnerColour : kClientColour);
            }
            p.setPen(Qt::black);
            p.drawText(QRect(10 + (e - 1) * kColumnWidth, base + 2, kColumnWidth, 22),
                       Qt::AlignCenter, qs(elementName(e)));
        }
        p.drawLine(6, base, width() - 6, base);
    }

  private:
    const EnergyColumns& columns_;
};

TAisyoForm::TAisyoForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TAisyoForm");
    setWindowTitle("相性の画面");
    auto* heading = new QLabel("２人の五行のエネルギーの合計グラフ", this);
    heading->setObjectName("headinglabel");
    auto* points = new QLabel("干：１点 支：１点 月支：３点", this);
    clientLegend_ = new QLabel(this);
    clientLegend_->setObjectName("clientlegend");
    partnerLegend_ = new QLabel(this);
    partnerLegend_->setObjectName("partnerlegend");
    canvas_ = new EnergyCanvas(columns_, this);
    auto* advice = new QLabel(
        "◎五行のバランスが２人あわせたものが取れていることが望ましい。\n"
        "   特に、火と水のバランスは大変重要です。\n"
        "×五行のバランスが極端に片寄っているのは良くありません。\n"
        "   夫婦は一体で、中庸的な五行になるのが良いのです。",
        this);
    advice->setObjectName("advicelabel");
    auto* close = new QPushButton("閉じる", this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* legends = new QVBoxLayout;
    legends->addWidget(heading);
    legends->addWidget(points);
    legends->addWidget(clientLegend_);
    legends->addWidget(partnerLegend_);
    legends->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(canvas_);
    top->addLayout(legends);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(advice);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void TAisyoForm::showPair(const Tmandata& client, const Tmandata& partner,
                          const std::string& clientName, const std::string& partnerName) {
    columns_ = elementEnergyColumns(client, partner);
    const auto legend = [](QLabel* label, const QColor& colour, const std::string& name) {
        label->setText(QString("<span style='color:%1'>■</span> → %2")
                           .arg(colour.name(), qs(name).toHtmlEscaped()));
    };
    legend(clientLegend_, kClientColour, clientName);
    legend(partnerLegend_, kPartnerColour, partnerName);
    canvas_->update();
}

}  // namespace suimei
