// A popup menu: rows of text with one selected row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/control.h"

namespace fw {

class PopupMenu : public Control {
 public:
  PopupMenu();

  const std::vector<std::string>& Rows() const { return rows_; }
  // What a screen reader says for each row, where that differs from the
  // row's text; empty when no row has its own.
  const std::vector<std::string>& SpokenRows() const { return spoken_rows_; }
  std::int32_t ListCount() const { return static_cast<std::int32_t>(rows_.size()); }

  // The selected row from 0; -1 when none is. A write from code raises no
  // Change; a row outside the list selects none.
  std::int32_t ListIndex() const { return list_index_; }
  void SetListIndex(std::int32_t row);

  // The user picked `row`: Change is raised, also for the row already shown.
  void UserPick(std::int32_t row);
  // Raised by the window once the controls exist.
  void RaiseOpen();

 protected:
  bool ApplyProperty(const Property& property) override;

 private:
  std::vector<std::string> rows_;
  std::vector<std::string> spoken_rows_;
  std::int32_t list_index_ = -1;
};

}  // namespace fw
