// The caller of the draw screen with the real espeak-ng and Qt Multimedia;
// sox reads what it wrote. Without a sound card each call ends once written.

#include "draw/ui/ball_caller.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "support/required_tool.h"
#include "support/sound_checks.h"

namespace tavelao::draw {
namespace {

const TitleLetters kBingo = {"B", "I", "N", "G", "O"};
constexpr int kWaitMs = 8000;

QString Text(const QSignalSpy& spy, int i) { return spy.at(i).at(0).toString(); }
QString Path(const QSignalSpy& spy, int i) { return spy.at(i).at(1).toString(); }

// Waits until the spy has `count` signals, or the time is up.
bool WaitFor(QSignalSpy& spy, int count) {
  while (spy.count() < count) {
    if (!spy.wait(kWaitMs)) return false;
  }
  return true;
}

TEST(BallCaller, CallsABallWithoutWaitingAndWritesItsSpeech) {
  TAVELAO_REQUIRE_TOOL("sox");
  BallCaller caller;
  QSignalSpy spoken(&caller, &BallCaller::spoken);
  QSignalSpy unavailable(&caller, &BallCaller::unavailable);
  caller.CallBall(42, kBingo);
  EXPECT_EQ(spoken.count(), 0) << "the call returns before the voice speaks";
  ASSERT_TRUE(WaitFor(spoken, 1)) << (unavailable.isEmpty() ? "" : unavailable.at(0).at(0).toString().toStdString());
  EXPECT_EQ(Text(spoken, 0), QStringLiteral("N, quarenta e dois"));
  const auto read = testing::ReadWithSox(Path(spoken, 0).toStdString());
  ASSERT_TRUE(read.has_value());
  EXPECT_GT(read->seconds, 0.3);
  EXPECT_LT(read->seconds, 3.0);
  EXPECT_GT(read->rms_amplitude, 0.01);
  EXPECT_TRUE(caller.available());
  EXPECT_TRUE(unavailable.isEmpty());
}

TEST(BallCaller, ATextSaidAgainPlaysItsFileAndAWinWaitsForTheBall) {
  BallCaller caller;
  QSignalSpy spoken(&caller, &BallCaller::spoken);
  caller.CallBall(7, kBingo);
  caller.CallWin(1234);
  caller.CallBall(7, kBingo);
  ASSERT_TRUE(WaitFor(spoken, 3));
  EXPECT_EQ(Text(spoken, 0), QStringLiteral("B, sete"));
  EXPECT_EQ(Text(spoken, 1), QStringLiteral("Bingo! Cartela mil duzentos e trinta e quatro"));
  EXPECT_EQ(Text(spoken, 2), QStringLiteral("B, sete"));
  EXPECT_EQ(Path(spoken, 2), Path(spoken, 0));
  EXPECT_NE(Path(spoken, 1), Path(spoken, 0));
  EXPECT_EQ(caller.synthesized(), 2) << "the second \"B, sete\" is not synthesized again";
}

TEST(BallCaller, ANewerBallReplacesOneStillWaiting) {
  BallCaller caller;
  QSignalSpy spoken(&caller, &BallCaller::spoken);
  caller.CallBall(5, kBingo);   // taken at once
  caller.CallBall(60, kBingo);  // waits, then gives way
  caller.CallBall(99, kBingo);
  caller.CallWin(8);           // after the ball it follows
  caller.CallBall(3, kBingo);  // after the win: the win is not overtaken
  ASSERT_TRUE(WaitFor(spoken, 4));
  EXPECT_EQ(Text(spoken, 0), QStringLiteral("B, cinco"));
  EXPECT_EQ(Text(spoken, 1), QStringLiteral("O, noventa e nove"));
  EXPECT_EQ(Text(spoken, 2), QStringLiteral("Bingo! Cartela oito"));
  EXPECT_EQ(Text(spoken, 3), QStringLiteral("B, três"));
  EXPECT_EQ(caller.synthesized(), 4);
}

TEST(BallCaller, WithoutTheVoiceItSaysSoOnceAndThenStaysSilent) {
  speech::VoiceSettings missing;
  missing.voice = "xx-nenhuma";
  BallCaller caller(missing);
  QSignalSpy spoken(&caller, &BallCaller::spoken);
  QSignalSpy unavailable(&caller, &BallCaller::unavailable);
  caller.CallBall(42, kBingo);
  caller.CallWin(42);
  ASSERT_TRUE(WaitFor(unavailable, 1));
  EXPECT_TRUE(unavailable.at(0).at(0).toString().startsWith(QStringLiteral("Não há voz em português")))
      << unavailable.at(0).at(0).toString().toStdString();
  EXPECT_FALSE(caller.available());
  caller.CallBall(43, kBingo);  // refused on the spot: nothing is left to come
  QCoreApplication::processEvents();
  EXPECT_EQ(unavailable.count(), 1);
  EXPECT_TRUE(spoken.isEmpty());
  EXPECT_EQ(caller.synthesized(), 0);
}

}  // namespace
}  // namespace tavelao::draw
