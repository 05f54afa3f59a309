// The headless windowing system: virtual time, posted events and modal showing.
#include "ui/headless_ui.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/timer.h"

namespace tavel {
namespace {

struct Fixture : ::testing::Test {
  HeadlessUi ui;
  Application app{ui};
  Form form{app, "TTest", "Form1"};
};

TEST_F(Fixture, TimersFireInDueOrderAndOneShotStepsChain) {
  Timer a(form, "A", 100), b(form, "B", 1000);
  std::vector<std::string> log;
  a.OnTimer = [&] {
    a.SetEnabled(false);
    log.push_back("A@" + std::to_string(ui.Now()));
    b.SetEnabled(true);
  };
  b.OnTimer = [&] { log.push_back("B@" + std::to_string(ui.Now())); };
  a.SetEnabled(true);
  ui.Advance(2100);
  EXPECT_EQ(log, (std::vector<std::string>{"A@100", "B@1100", "B@2100"}));
  EXPECT_FALSE(ui.TimerArmed(a));
  EXPECT_TRUE(ui.TimerArmed(b));
}

TEST_F(Fixture, IntervalChangeRestartsAndZeroStops) {
  Timer t(form, "T", 1000);
  int fired = 0;
  t.OnTimer = [&] { ++fired; };
  t.SetEnabled(true);
  ui.Advance(900);
  t.SetInterval(500);  // the period starts again
  ui.Advance(400);
  EXPECT_EQ(fired, 0);
  ui.Advance(100);
  EXPECT_EQ(fired, 1);
  t.SetInterval(0);
  ui.Advance(5000);
  EXPECT_EQ(fired, 1);
  EXPECT_TRUE(t.Enabled());
}

TEST_F(Fixture, PostedEventsRunInsideProcessMessagesOnly) {
  int clicks = 0;
  ui.Post([&] { ++clicks; });
  EXPECT_EQ(clicks, 0);
  ui.Post(
      [&] { ui.Post([&] { ++clicks; }); });  // posted while dispatching: waits for the next call
  app.ProcessMessages();
  EXPECT_EQ(clicks, 1);
  app.ProcessMessages();
  EXPECT_EQ(clicks, 2);
}

TEST_F(Fixture, ModalFormEndsWithDefaultButtonOrTitleBarClose) {
  Form box(app, "TBox", "Box");
  Button ok(&box, "Button1");
  ok.SetDefault(true);
  ok.SetModalResult(kResultOk);
  EXPECT_EQ(box.ShowModal(), kResultOk);
  ui.OnModal = [](Form& f) { f.Close(); };
  EXPECT_EQ(box.ShowModal(), kResultCancel);
}

// As on Windows, an error that escapes a click or a timer's handler shows its text in the standard
// error box, and the program goes on: later events run and the timer keeps ticking.
TEST_F(Fixture, AnErrorNoHandlerCaughtShowsItsTextAndTheProgramGoesOn) {
  Button button(&form, "Button1");
  button.OnClick = [] { throw std::runtime_error("I/O error 3"); };
  Timer t(form, "Timer1", 100);
  int ticks = 0;
  t.OnTimer = [&] {
    if (++ticks == 1) throw std::runtime_error("タイマー");
  };
  t.SetEnabled(true);
  bool later = false;
  ui.Post([&] { button.Click(); });
  ui.Post([&] { later = true; });
  app.ProcessMessages();
  ui.Advance(200);
  EXPECT_TRUE(later);
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(ui.Errors(), (std::vector<std::string>{"I/O error 3", "タイマー"}));
}

TEST_F(Fixture, ListBulkUpdateReachesWindowOnce) {
  struct CountingPeer : ControlPeer {
    int syncs = 0;
    void Sync(Control&, Change, int) override { ++syncs; }
  } peer;
  ListBox list(&form, "ListBox2");
  list.SetPeer(&peer);
  list.BeginUpdate();
  for (int i = 0; i < 1000; ++i) list.Add("x");
  list.SetItemIndex(3);
  list.EndUpdate();
  EXPECT_EQ(list.Count(), 1000);
  EXPECT_EQ(list.ItemIndex(), 3);
  EXPECT_LE(peer.syncs, 3);
}

TEST_F(Fixture, AlignedPanelsShareTheClientArea) {
  form.SetClientSize(439, 205);
  Panel bottom(&form, "PanelFSD"), right(&form, "PanelCMD"), cover(&form, "PanelOPEN");
  bottom.SetHeight(29);
  bottom.SetAlign(Align::Bottom);
  right.SetWidth(78);
  right.SetAlign(Align::Right);
  cover.SetAlign(Align::Client);
  EXPECT_EQ(bottom.Bounds(), (Rect{0, 176, 439, 29}));
  EXPECT_EQ(right.Bounds(), (Rect{361, 0, 78, 176}));
  EXPECT_EQ(cover.Bounds(), (Rect{0, 0, 361, 176}));
  bottom.SetHeight(40);  // an aligned control that changes size moves its neighbours
  EXPECT_EQ(bottom.Bounds(), (Rect{0, 165, 439, 40}));
  EXPECT_EQ(right.Bounds(), (Rect{361, 0, 78, 165}));
}

}  // namespace
}  // namespace tavel
