// The design sheet's window: the schematic above the sheet's text, a File
// menu to save it and an Edit menu to copy it.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/sheet_view/schematic.h"
#include "app/sheet_view/sheet_file.h"
#include "app/sheet_view/sheet_html.h"
#include "app/sheet_view/sheet_view.h"

namespace app::sheet {
namespace {

// The schematic scaled to the room it gets, its proportions kept.
class SchematicWidget : public QWidget {
 public:
  explicit SchematicWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Schematic"));
    setAccessibleName(QStringLiteral("Schematic"));
    renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
    setMinimumSize(320, 162);
  }
  void Load(const QByteArray& svg) {
    renderer_.load(svg);
    update();
  }
  QSize sizeHint() const override { return {800, 405}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    renderer_.render(&painter, rect());
  }

 private:
  QSvgRenderer renderer_;
};

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
    text_ = new QTextBrowser(content);
    text_->setObjectName(QStringLiteral("SheetText"));
    // Copy takes the whole sheet, so the text holds no selection of its own.
    text_->setFocusPolicy(Qt::NoFocus);
    text_->setTextInteractionFlags(Qt::NoTextInteraction);
    layout->addWidget(schematic_, 1);
    layout->addWidget(text_, 1);
    setCentralWidget(content);
    BuildMenus();
    resize(820, 900);
  }

  QWidget* Window() override { return this; }
  QByteArray Schematic() const override { return svg_; }

  void Show(const SheetModel& model) override {
    svg_ = model.stands ? FilledSchematic(model.schematic) : QByteArray();
    html_ = SheetHtml(model);
    plain_ = QString::fromStdString(model.plain_text);
    schematic_->Load(svg_);
    schematic_->setVisible(model.stands);
    text_->setHtml(html_);
    copy_->setEnabled(model.stands);
    save_->setEnabled(model.stands);
  }

 private:
  void BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    save_ = file->addAction(QStringLiteral("Save &As…"), this, &SheetWindow::SaveAs);
    save_->setObjectName(QStringLiteral("SheetSaveAs"));
    save_->setShortcut(QKeySequence::SaveAs);
    QAction* close = file->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    copy_ = edit->addAction(QStringLiteral("&Copy"), this, &SheetWindow::Copy);
    copy_->setObjectName(QStringLiteral("SheetCopy"));
    copy_->setShortcut(QKeySequence::Copy);
  }

  void Copy() {
    auto* data = new QMimeData;
    data->setText(plain_);
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
    SheetPicture picture(svg_, html_);
    const QString failure = SaveSheet(picture, dialog.selectedFiles().constFirst());
    if (!failure.isEmpty()) QMessageBox::warning(this, QStringLiteral("Design Sheet"), failure);
  }

  SchematicWidget* schematic_ = nullptr;
  QTextBrowser* text_ = nullptr;
  QAction* copy_ = nullptr;
  QAction* save_ = nullptr;
  QByteArray svg_;
  QString html_;
  QString plain_;
};

}  // namespace
}  // namespace app::sheet

extern "C" Q_DECL_EXPORT app::sheet::SheetView* ra34063_make_sheet_view(QWidget* parent) {
  return new app::sheet::SheetWindow(parent);
}
