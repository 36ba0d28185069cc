#include "app/sheet_view/readable_tables.h"

#include <QAccessibleWidget>
#include <algorithm>

namespace app::sheet {
namespace {

constexpr char kKind[] = "sheetKind";
constexpr char kRow[] = "sheetRow";
constexpr char kColumn[] = "sheetColumn";
constexpr char kSpan[] = "sheetSpan";
constexpr char kRows[] = "sheetRows";
constexpr char kColumns[] = "sheetColumns";

enum Kind { kNone, kHeading, kTable, kHead, kCell };

Kind KindOf(const QObject& object) { return Kind(object.property(kKind).toInt()); }
int IntOf(const QObject& object, const char* name) { return object.property(name).toInt(); }

int SpanOf(const QObject& object) { return std::max(1, IntOf(object, kSpan)); }

// The head or cell of `table` at `row` (-1 for the heads) that covers
// `column`.
QLabel* Find(const QWidget& table, int row, int column) {
  for (QLabel* label : table.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    const bool head = KindOf(*label) == kHead;
    const int first = IntOf(*label, kColumn);
    if ((head ? -1 : IntOf(*label, kRow)) == row && column >= first &&
        column < first + SpanOf(*label)) {
      return label;
    }
  }
  return nullptr;
}

QAccessibleInterface* Spoken(QObject* object) {
  return object == nullptr ? nullptr : QAccessible::queryAccessibleInterface(object);
}

// A label that reads its text as its name, in a role of its own.
class LabelInterface : public QAccessibleWidget {
 public:
  LabelInterface(QLabel* label, QAccessible::Role role) : QAccessibleWidget(label, role) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

class CellInterface : public LabelInterface, public QAccessibleTableCellInterface {
 public:
  explicit CellInterface(QLabel* cell) : LabelInterface(cell, QAccessible::Cell) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return LabelInterface::interface_cast(t);
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QAccessibleInterface* head = Spoken(Find(*widget()->parentWidget(), -1, columnIndex()));
    return head == nullptr ? QList<QAccessibleInterface*>() : QList{head};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return IntOf(*widget(), kColumn); }
  int rowIndex() const override { return IntOf(*widget(), kRow); }
  int columnExtent() const override { return SpanOf(*widget()); }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return Spoken(widget()->parentWidget()); }
};

// Read-only: nothing in it can be selected.
class TableInterface : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit TableInterface(QWidget* table) : QAccessibleWidget(table, QAccessible::Table) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return Spoken(Find(*widget(), row, column));
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    const QLabel* head = Find(*widget(), -1, column);
    return head == nullptr ? QString() : head->text();
  }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return IntOf(*widget(), kColumns); }
  int rowCount() const override { return IntOf(*widget(), kRows); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (!object->isWidgetType()) return nullptr;
  switch (KindOf(*object)) {
    case kHeading:
      return new LabelInterface(static_cast<QLabel*>(object), QAccessible::Heading);
    case kHead:
      return new LabelInterface(static_cast<QLabel*>(object), QAccessible::ColumnHeader);
    case kCell:
      return new CellInterface(static_cast<QLabel*>(object));
    case kTable:
      return new TableInterface(static_cast<QWidget*>(object));
    case kNone:
      break;
  }
  return nullptr;
}

}  // namespace

void ServeReadableTables() {
  static const bool served = (QAccessible::installFactory(Factory), true);
  (void)served;
}

void MarkHeading(QLabel& title) { title.setProperty(kKind, kHeading); }

void MarkTable(QWidget& table, int rows, int columns) {
  table.setProperty(kKind, kTable);
  table.setProperty(kRows, rows);
  table.setProperty(kColumns, columns);
}

void MarkHead(QLabel& head, int column) {
  head.setProperty(kKind, kHead);
  head.setProperty(kColumn, column);
}

void MarkCell(QLabel& cell, int row, int column, int span) {
  cell.setProperty(kKind, kCell);
  cell.setProperty(kRow, row);
  cell.setProperty(kColumn, column);
  cell.setProperty(kSpan, span);
}

}  // namespace app::sheet
