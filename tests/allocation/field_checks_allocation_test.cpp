// Go's field checks on requirements that pass allocate nothing: a press reads
// a dozen numbers, and a heap allocation each would double its time. This
// program counts every operator new, so it holds no other test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "design/field_names.h"
#include "design/requirement_check.h"
#include "design/shown_parts.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {
long g_allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

namespace field = design::field;

struct Case {
  const char* what;
  const char* vf;  // the diode's forward voltage as typed
  const char* tempco;
};

TEST(FieldChecks, AllocateNothingWhenTheyPass) {
  for (const Case& c : {Case{"the worked example", "0.4", "200"},
                        Case{"a decimal comma and blanks", " 0,4 ", "1.5e2"}}) {
    driver::WindowDriver d;
    d.Pick(field::kChipPopup, 7);
    worked::Enter(d);
    d.Type(field::kVf, c.vf);
    d.Type(field::kTempco, c.tempco);
    const long before = g_allocations;
    const design::RequirementCheck check =
        design::CheckRequirements(d.Window(), d.State().Converter);
    const long allocations = g_allocations - before;
    EXPECT_EQ(check.sentences, "") << c.what;
    EXPECT_EQ(allocations, 0) << c.what;
    ASSERT_TRUE(check.vf && check.vin && check.vout) << c.what;
    EXPECT_EQ(*check.vf, 0.4) << c.what;
    EXPECT_EQ(*check.vout - *check.vin, 7.0) << c.what;
  }
}

// The counter itself: a failing check writes its sentences on the heap.
TEST(FieldChecks, CountTheAllocationsOfAFailingCheck) {
  driver::WindowDriver d;
  d.Pick(field::kChipPopup, 7);
  worked::Enter(d);
  d.Type(field::kTempMax, "hot");
  const long before = g_allocations;
  const design::RequirementCheck check = design::CheckRequirements(d.Window(), d.State().Converter);
  EXPECT_EQ(check.sentences, "Temperature (highest) is not a number\r");
  EXPECT_GT(g_allocations - before, 0);
}

// The part check that follows: a design whose parts are all sold is let
// through without a heap allocation either.
TEST(PartChecks, AllocateNothingWhenTheyPass) {
  driver::WindowDriver d;
  d.Pick(field::kChipPopup, 7);
  worked::Design(d);
  const long before = g_allocations;
  design::PartsMemo memo;
  const std::string sentences = design::UnbuildableSentences(d.State(), 820.0, 1500.0, memo);
  EXPECT_EQ(g_allocations - before, 0);
  EXPECT_EQ(sentences, "");
  EXPECT_NE(design::UnbuildableSentences(d.State(), 1e6, 1500.0, memo), "");  // 1 µF is no Ct
}

}  // namespace
