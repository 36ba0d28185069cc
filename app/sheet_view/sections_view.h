// The sheet's sections on screen, one label a cell. A new design of the same
// shape only changes the labels' texts, which is what keeps an update short.
#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>
#include <vector>

#include "design/sheet_sections.h"

namespace app::sheet {

class SectionsView : public QWidget {
 public:
  explicit SectionsView(QWidget* parent);

  void Show(const std::vector<design::SheetSection>& sections);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Rebuild(const std::vector<design::SheetSection>& sections);

  QList<int> shape_;       // per section: columns, then rows
  QList<QLabel*> labels_;  // in reading order
};

}  // namespace app::sheet
