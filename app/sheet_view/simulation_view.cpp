#include "app/sheet_view/simulation_view.h"

#include <QPainter>
#include <QVBoxLayout>

#include "app/sheet_view/simulation_plot.h"
#include "app/simulation_text.h"

namespace app::sheet {
namespace {

constexpr int kPlotWidth = 720;
constexpr int kLeastHeight = 240;

// The plot at its page width, scaled down to the widget's.
class PlotWidget : public QWidget {
 public:
  explicit PlotWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SimulationPlot"));
    setAccessibleName(QStringLiteral("Plot of Vout and the inductor current against time"));
    setMinimumHeight(kLeastHeight);
  }
  void Show(const sim::SimResults* results) {
    plot_.reset(results ? new SimulationPlot(*results, kPlotWidth) : nullptr);
    setVisible(plot_ != nullptr);
    FitHeight();
    update();
  }
  const SimulationPlot* Plot() const { return plot_.get(); }

 protected:
  // The height follows the width as a fixed size rather than a height for
  // width: a scroll area sizes a height-for-width page below its minimum and
  // the sheet's tables above the plot are squeezed onto each other.
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    FitHeight();
  }
  void paintEvent(QPaintEvent*) override {
    if (!plot_) return;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const double scale =
        std::min(width() / plot_->Size().width(), height() / plot_->Size().height());
    painter.scale(scale, scale);
    plot_->Paint(painter);
  }

 private:
  void FitHeight() {
    if (!plot_) return;
    const int height = int(width() * plot_->Size().height() / plot_->Size().width());
    setFixedHeight(std::max(kLeastHeight, height));
  }

  std::unique_ptr<SimulationPlot> plot_;
};

}  // namespace

SimulationView::SimulationView(QWidget* parent)
    : QWidget(parent),
      text_(new SectionsView(this)),
      plot_(new PlotWidget(this)),
      runner_(new SimulationRunner(this, [this](auto results) { Finished(results); })) {
  setObjectName(QStringLiteral("SimulationSection"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  layout->addWidget(plot_);
  plot_->hide();
}

void SimulationView::Follow(const sim::ConverterInputs& in) {
  if (converter_ && *converter_ == in) return;
  converter_ = in;
  results_.reset();
  sections_ = SimulatingSections();
  text_->Show(sections_);
  static_cast<PlotWidget*>(plot_)->Show(nullptr);
  runner_->Start(in);
}

void SimulationView::Clear() {
  runner_->Stop();
  converter_.reset();
  results_.reset();
  sections_.clear();
}

void SimulationView::Finished(std::shared_ptr<const sim::SimResults> results) {
  results_ = std::move(results);
  sections_ = SimulationSections(*converter_, *results_);
  text_->Show(sections_);
  static_cast<PlotWidget*>(plot_)->Show(results_->ran ? results_.get() : nullptr);
}

}  // namespace app::sheet
