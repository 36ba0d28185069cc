// The re-evaluation rebuilds Ct from the on-time that the Ct shown gave; in
// double arithmetic that can land a last place above the member, which must
// not carry it up to the next one.
#include <gtest/gtest.h>

#include <string>

#include "framework/text.h"
#include "framework/text_field.h"
#include "harness/worked_example.h"
#include "harness/window_driver.h"
#include "harness/iec_60063.h"

namespace {

TEST(CtRefresh, EveryMemberFrom1pFTo100nFStaysInEveryCapacitorClass) {
  driver::WindowDriver d;
  for (const auto& [row, series] : {std::pair{7, 12}, {5, 24}, {4, 96}, {0, 192}}) {
    d.Pick("CPerPU", row);
    worked::Design(d);
    const double base = series <= 24 ? 10.0 : 100.0;
    for (const int member : iec60063::Members(series)) {
      for (const double scale : {0.1, 1.0, 10.0, 100.0, 1000.0, 10000.0}) {
        const std::string text = fw::Str(member / base * scale);
        d.Window().Field("CtST").SetText(text);
        ASSERT_EQ(d.Text("CtST"), text) << "series " << series;
      }
    }
  }
}

}  // namespace
