// The sheet's sections as a screen reader should meet them: each title a
// heading, each section of several columns a table whose cells know their
// row, column and column head. Marks set on the widgets choose the kind.
#pragma once

#include <QLabel>
#include <QWidget>

namespace app::sheet {

// Makes the marked widgets known to Qt's accessibility; more calls do nothing.
void ServeReadableTables();

void MarkHeading(QLabel& title);
// `table` holds the heads and the cells as its only child widgets.
void MarkTable(QWidget& table, int rows, int columns);
void MarkHead(QLabel& head, int column);
// A cell `span` columns wide.
void MarkCell(QLabel& cell, int row, int column, int span = 1);

}  // namespace app::sheet
