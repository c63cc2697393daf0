// The name read aloud: a stand-in voice behind the same interface hears one
// utterance per landing, the landed name, and a stop as each draw starts;
// without the switch it hears nothing. The platform's voice may be missing
// and fails silently.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/draw_loop.h"
#include "app/fair_rounds.h"
#include "app/globals.h"
#include "app/speech.h"
#include "tests/app/temp_class_folder.h"

namespace {

struct Heard {
  std::vector<std::string> said;
  int stops = 0;
};

class StandInVoice : public app::Voice {
 public:
  explicit StandInVoice(Heard* heard) : heard_(heard) {}
  void Speak(const std::string& text) override { heard_->said.push_back(text); }
  void Stop() override { ++heard_->stops; }

 private:
  Heard* heard_;
};

class LastShown : public app::DrawView {
 public:
  void ShowName(const std::string& name) override { last = name; }
  void SetNameColour(uint32_t) override {}
  void ShowPicture(const std::vector<uint8_t>&) override {}
  bool IsAlive() const override { return true; }
  std::string last;
};

class ReadAloud : public ::testing::Test {
 protected:
  void SetUp() override {
    app::Roster.clear();
    for (int k = 1; k <= 12; ++k) app::Roster.push_back("学生" + std::to_string(k));
    app::RosterCount = 12;
    app::TotalCount = 100, app::Phase1Count = 2, app::Phase2Count = 3;
    app::Phase1IntervalMs = app::Phase2IntervalMs = 0;
    app::FairRounds = app::KeepPickLog = false;
    app::StopFlag = app::kNoDrawEnded;
    app::SetDrawView(&view);
    app::SetVoice(std::make_unique<StandInVoice>(&heard));
  }
  void TearDown() override {
    app::SetDrawView(nullptr);
    app::SetVoice(nullptr);
    app::ReadAloud = false;
  }
  LastShown view;
  Heard heard;
};

TEST_F(ReadAloud, EachLandingIsSpokenOnceWithTheLandedNameAndEachDrawStopsTheVoice) {
  app::ReadAloud = true;
  std::vector<std::string> landed;
  for (int draw = 0; draw < 5; ++draw) {
    app::OnStartClick();
    landed.push_back(view.last);
    EXPECT_EQ(heard.stops, draw + 1) << "a new draw silences the last name first";
  }
  EXPECT_EQ(heard.said, landed);
}

TEST_F(ReadAloud, InAFairRoundTheNameSpokenIsTheOneItGaveWay) {
  TempClassFolder folder("read_aloud_fair");
  app::ReadAloud = app::FairRounds = true;
  std::vector<std::string> landed;
  for (int draw = 0; draw < 12; ++draw) {
    app::OnStartClick();
    landed.push_back(view.last);
  }
  EXPECT_EQ(heard.said, landed);
  std::vector<std::string> sorted = heard.said;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end()) << "everyone once";
}

TEST_F(ReadAloud, WithoutTheSwitchNothingIsSaid) {
  app::OnStartClick();
  app::OnStartClick();
  EXPECT_TRUE(heard.said.empty());
  EXPECT_EQ(heard.stops, 0);
}

TEST(SystemVoice, MissingOrFailingIsSilent) {
  // Under Wine there may be no voice at all; either way nothing is shown or thrown.
  std::unique_ptr<app::Voice> voice = app::MakeSystemVoice();
  if (voice) {
    voice->Speak("张三");
    voice->Speak("");
    voice->Stop();
  }
  SUCCEED();
}

}  // namespace
