#include "app/sheet_view/sections_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "app/sheet_view/readable_tables.h"
#include "app/sheet_view/warning_colour.h"

namespace app::sheet {
namespace {

// Marks a warning's label.
constexpr char kWarning[] = "warning";

QList<int> Shape(const std::vector<design::SheetSection>& sections) {
  QList<int> shape;
  for (const design::SheetSection& section : sections) {
    shape << int(section.heads.size()) << int(section.rows.size()) << int(section.warnings);
    for (const auto& row : section.rows) shape << int(row.size());
  }
  return shape;
}

// The texts in the order Rebuild makes the labels.
QStringList Texts(const std::vector<design::SheetSection>& sections) {
  QStringList texts;
  for (const design::SheetSection& section : sections) {
    texts << QString::fromStdString(section.title);
    for (const std::string& head : section.heads) texts << QString::fromStdString(head);
    for (const auto& row : section.rows) {
      for (const std::string& cell : row) texts << QString::fromStdString(cell);
    }
  }
  return texts;
}

// The warnings' palette: only their text's colour set, so that the rest
// follows the sheet's. On the sheet's Base background a label writes in the
// Text role, not in WindowText.
QPalette WarningPalette(const QWidget& sheet) {
  QPalette palette;
  const QColor red = WarningColour(sheet.palette().color(QPalette::Window));
  palette.setColor(QPalette::WindowText, red);
  palette.setColor(QPalette::Text, red);
  return palette;
}

QFont Bold(QFont font, double scale = 1.0) {
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * scale);
  return font;
}

}  // namespace

SectionsView::SectionsView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SheetText"));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  new QVBoxLayout(this);
  ServeReadableTables();
}

void SectionsView::Show(const std::vector<design::SheetSection>& sections) {
  if (Shape(sections) != shape_) Rebuild(sections);
  const QStringList texts = Texts(sections);
  for (int i = 0; i < labels_.size(); ++i) labels_[i]->setText(texts[i]);
}

void SectionsView::Rebuild(const std::vector<design::SheetSection>& sections) {
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  labels_.clear();
  shape_ = Shape(sections);
  auto* column = static_cast<QVBoxLayout*>(layout());
  while (QLayoutItem* item = column->takeAt(0)) delete item;
  // Each text a stop for Tab, so a reader can go through the sheet.
  auto add = [&](QWidget* parent, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::TabFocus);
    labels_ << label;
    return label;
  };
  for (const design::SheetSection& section : sections) {
    QLabel* title = add(this, Bold(font(), 1.15));
    MarkHeading(*title);
    column->addWidget(title);
    // The section's heads and cells, a table of its own for a reader.
    int columns = int(section.heads.size());
    for (const auto& row : section.rows) columns = std::max(columns, int(row.size()));
    auto* table = new QWidget(this);
    // Marked before anything asks about it. Rows of one sentence each are
    // read as text, not as a table.
    if (columns > 1) MarkTable(*table, int(section.rows.size()), columns);
    table->setAccessibleName(QString::fromStdString(section.title));
    auto* grid = new QGridLayout(table);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    for (int c = 0; c < int(section.heads.size()); ++c) {
      QLabel* head = add(table, Bold(font()));
      MarkHead(*head, c);
      grid->addWidget(head, 0, c);
    }
    for (std::size_t r = 0; r < section.rows.size(); ++r) {
      for (int c = 0; c < int(section.rows[r].size()); ++c) {
        // A sentence alone on its row spans the columns.
        const int span = section.rows[r].size() == 1 ? columns : 1;
        QLabel* cell = add(table, font());
        if (columns > 1) MarkCell(*cell, int(r), c, span);
        grid->addWidget(cell, int(r) + 1, c, 1, span);
        cell->setWordWrap(section.rows[r].size() == 1);
        if (section.warnings) {
          cell->setProperty(kWarning, true);
          cell->setPalette(WarningPalette(*this));
        }
      }
    }
    grid->setColumnStretch(grid->columnCount() - 1, 1);
    column->addWidget(table);
    column->addSpacing(8);
  }
  column->addStretch(1);
}

void SectionsView::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::PaletteChange) return;
  // The desktop's theme changed: the red follows it.
  for (QLabel* label : std::as_const(labels_)) {
    if (label->property(kWarning).toBool()) label->setPalette(WarningPalette(*this));
  }
}

}  // namespace app::sheet
