// The design sheet's window: the schematic above the sheet's text and its
// simulation, a File menu to save it or export its netlist and an Edit menu
// to copy it.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/design_simulation.h"
#include "app/schematic_description.h"
#include "app/sheet_view/netlist_file.h"
#include "app/sheet_view/schematic.h"
#include "app/sheet_view/schematic_widget.h"
#include "app/sheet_view/sections_view.h"
#include "app/sheet_view/sheet_file.h"
#include "app/sheet_view/sheet_page.h"
#include "app/sheet_view/sheet_placement.h"
#include "app/sheet_view/sheet_view.h"
#include "app/sheet_view/simulation_view.h"

namespace app::sheet {
namespace {

// What the sheet says while no design stands.
constexpr char kNoDesign[] =
    "No design stands. Enter the requirements in the calculator window and press Go.";

constexpr std::pair<const char*, const char*> kFormats[] = {
    {"PDF (*.pdf)", "pdf"}, {"SVG (*.svg)", "svg"}, {"PNG image (*.png)", "png"}};

class SheetWindow final : public QMainWindow, public SheetView {
 public:
  explicit SheetWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("DesignSheet"));
    setWindowTitle(QStringLiteral("Design Sheet"));
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    schematic_ = new SchematicWidget(content);
    scroll_ = new QScrollArea(content);
    auto* sheet = new QWidget(scroll_);
    auto* column = new QVBoxLayout(sheet);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    text_ = new SectionsView(sheet);
    simulation_ = new SimulationView(sheet);
    column->addWidget(text_);
    column->addWidget(simulation_);
    column->addStretch(1);
    sheet->setBackgroundRole(QPalette::Base);
    sheet->setAutoFillBackground(true);
    scroll_->setWidget(sheet);
    scroll_->setWidgetResizable(true);
    none_ = new QLabel(QLatin1String(kNoDesign), content);
    none_->setObjectName(QStringLiteral("NoDesign"));
    none_->setWordWrap(true);
    none_->setAlignment(Qt::AlignCenter);
    // Tab goes from the schematic through the sheet's every text; the
    // scroll area only carries them.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setAccessibleName(QStringLiteral("Design sheet"));
    none_->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(schematic_, 1);
    layout->addWidget(scroll_, 1);
    layout->addWidget(none_, 1);
    setCentralWidget(content);
    BuildMenus();
  }

  QWidget* Window() override { return this; }

  void Open() override {
    QWidget* calculator = parentWidget()->window();
    const QRect screen = calculator->screen()->availableGeometry();
    // Until it is first shown the window has no frame: the calculator's
    // tells what the desktop adds.
    const QRect outer = calculator->frameGeometry(), inner = calculator->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (!placed_ || !screen.contains(frameGeometry())) {
      setGeometry(SheetGeometry(screen, outer, frame, placed_ ? size() : kSheetSize));
    }
    placed_ = true;
    FitSchematic();
    show();
    raise();
    activateWindow();
  }
  QByteArray Schematic() const override { return svg_; }

  void Show(const SheetModel& model) override {
    // The design's widgets stay while no design stands, to be filled again.
    schematic_->setVisible(model.stands);
    scroll_->setVisible(model.stands);
    none_->setVisible(!model.stands);
    svg_.clear();
    sections_.clear();
    if (model.stands) {
      svg_ = FilledSchematic(model.topology, model.schematic);
      sections_ = model.sections;
      schematic_->Load(svg_);
      FitSchematic();  // another converter's drawing has its own proportions
      schematic_->setAccessibleDescription(
          QString::fromStdString(SchematicDescription(model.topology, model.schematic)));
      text_->Show(sections_);
      simulation_->Follow(model.converter);
    } else {
      simulation_->Clear();
    }
    copy_->setEnabled(model.stands);
    save_->setEnabled(model.stands);
    netlist_->setEnabled(model.stands);
    // A reader starts at the schematic, or at the sentence that stands for it.
    QWidget* first = model.stands ? static_cast<QWidget*>(schematic_) : none_;
    if (!isVisible() || !focusWidget() || focusWidget()->isHidden()) first->setFocus();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QMainWindow::resizeEvent(event);
    FitSchematic();
  }

 private:
  // The schematic as wide as the window and as high as that width draws it,
  // but for room left to the text; set before the layout places it, so that
  // the first frame has it.
  void FitSchematic() {
    const QMargins margins = centralWidget()->layout()->contentsMargins();
    const int width = this->width() - margins.left() - margins.right();
    const int room = height() - menuBar()->sizeHint().height() - 160;
    schematic_->setFixedHeight(
        std::max(SchematicWidget::kLeast.height(), std::min(schematic_->FullHeight(width), room)));
  }

  void BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    save_ = file->addAction(QStringLiteral("Save &As…"), this, &SheetWindow::SaveAs);
    save_->setObjectName(QStringLiteral("SheetSaveAs"));
    save_->setShortcuts(QKeySequence::SaveAs);
    netlist_ = file->addAction(QStringLiteral("Export SPICE &Netlist…"), this,
                               &SheetWindow::ExportNetlist);
    netlist_->setObjectName(QStringLiteral("SheetExportNetlist"));
    QAction* close = file->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    close->setShortcuts(QKeySequence::Close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    copy_ = edit->addAction(QStringLiteral("&Copy"), this, &SheetWindow::Copy);
    copy_->setObjectName(QStringLiteral("SheetCopy"));
    copy_->setShortcuts(QKeySequence::Copy);
  }

  // The sheet's sections and the simulation's, as every copy and file has them.
  std::vector<design::SheetSection> AllSections() const {
    std::vector<design::SheetSection> all = sections_;
    const auto& more = simulation_->Sections();
    all.insert(all.end(), more.begin(), more.end());
    return all;
  }

  void Copy() {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(design::SheetPlainText(AllSections())));
    data->setImageData(SchematicImage(svg_, 1600));
    QApplication::clipboard()->setMimeData(data);
  }

  void SaveAs() {
    QFileDialog dialog(this, QStringLiteral("Save Design Sheet"));
    dialog.setObjectName(QStringLiteral("SaveSheetDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const auto& [filter, suffix] : kFormats) filters << QLatin1String(filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
      for (const auto& [filter, suffix] : kFormats) {
        if (chosen == QLatin1String(filter)) dialog.setDefaultSuffix(QLatin1String(suffix));
      }
    });
    dialog.selectFile(QStringLiteral("design-sheet.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString failure = SaveSheet(SheetPage(svg_, AllSections(), simulation_->Results()),
                                      dialog.selectedFiles().constFirst());
    if (!failure.isEmpty()) QMessageBox::warning(this, QStringLiteral("Design Sheet"), failure);
  }

  void ExportNetlist() {
    if (!simulation_->Converter()) return;
    QFileDialog dialog(this, QStringLiteral("Export SPICE Netlist"));
    dialog.setObjectName(QStringLiteral("ExportNetlistDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("SPICE netlist (*.cir)"));
    dialog.setDefaultSuffix(QStringLiteral("cir"));
    dialog.selectFile(QStringLiteral("converter.cir"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    // A run still going is done again here rather than waited for.
    const std::string deck = SpiceDeck(*simulation_->Converter(), simulation_->Results());
    const QString failure =
        SaveNetlist(QString::fromStdString(deck), dialog.selectedFiles().constFirst());
    if (!failure.isEmpty()) QMessageBox::warning(this, QStringLiteral("Design Sheet"), failure);
  }

  SchematicWidget* schematic_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  SectionsView* text_ = nullptr;
  SimulationView* simulation_ = nullptr;
  QLabel* none_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* save_ = nullptr;
  QAction* netlist_ = nullptr;
  bool placed_ = false;
  QByteArray svg_;
  std::vector<design::SheetSection> sections_;
};

}  // namespace

SheetView* MakeSheetView(QWidget* parent) { return new SheetWindow(parent); }

}  // namespace app::sheet
