// Values set for a stretch of code: given back on every way out, nested sections included.
#include "base/scoped_value.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/application.h"
#include "ui/headless_ui.h"

namespace tavel {
namespace {

TEST(ScopedValue, AFlagIsGivenBackOnAnExceptionAndNestedSectionsLeaveTheOuterValue) {
  int flag = 0;
  try {
    ScopedValue<int> outer(flag, 1);
    {
      ScopedValue<int> inner(flag, 2);
      EXPECT_EQ(flag, 2);
    }
    EXPECT_EQ(flag, 1);
    throw std::runtime_error("handler failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(flag, 0);
}

TEST(ScopedValue, TheHourglassStaysUntilTheOutermostBusySectionEnds) {
  HeadlessUi ui;
  Application app(ui);
  {
    auto outer = app.ShowBusy();
    { auto inner = app.ShowBusy(); }
    EXPECT_TRUE(ui.BusyCursor());
  }
  EXPECT_FALSE(ui.BusyCursor());
  EXPECT_FALSE(app.Busy());
}

}  // namespace
}  // namespace tavel
