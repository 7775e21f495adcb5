// The sound thread and its operations, against a scripted output.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "tests/media/ScriptedOutput.h"
#include "ui/Lifetime.h"
#include "ui/Pacing.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using End = ScriptedOutput::End;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

template <typename Condition>
bool eventually(Condition condition) {
  const auto deadline = Clock::now() + 2s;
  while (!condition()) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

class SoundTest : public testing::Test {
 protected:
  SoundTest() {
    auto output = std::make_unique<ScriptedOutput>();
    out = output.get();
    sound = std::make_unique<Sound>(std::move(output), pacing, options, [this] { return piece; });
  }

  TSfx& sfx() { return sound->sfx(); }
  // The loop's passes while the test sleeps for 200 ms.
  std::uint64_t wakeUpsOver200ms() {
    const std::uint64_t before = sfx().wakeUps();
    std::this_thread::sleep_for(200ms);
    return sfx().wakeUps() - before;
  }

  VirtualPacing pacing;
  OptionFlags options;
  QString piece = QStringLiteral("MUSIC_1");
  ScriptedOutput* out = nullptr;
  std::unique_ptr<Sound> sound;
};

TEST_F(SoundTest, MusicLoopsUntilTheNameIsClearedThenTheWaveBeingPlayedFinishes) {
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  out->finish();
  ASSERT_TRUE(out->waitForPlays(2)) << "the piece starts again at its end";
  const int purges = out->purges();
  sound->StopRepeating();
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(out->plays()[1].end, End::Playing) << "clearing the name does not cut the wave";
  EXPECT_TRUE(sfx().isPlaying());
  out->finish();
  sound->WaitSoundEnded();
  EXPECT_FALSE(sfx().isPlaying());
  std::this_thread::sleep_for(100ms);
  const auto plays = out->plays();
  ASSERT_EQ(plays.size(), 2u) << "nothing more after the cleared name";
  EXPECT_EQ(plays[0].name, "MUSIC_1");
  EXPECT_EQ(plays[1].name, "MUSIC_1");
  EXPECT_EQ(plays[1].end, End::Finished);
  EXPECT_EQ(out->purges(), purges);
}

TEST_F(SoundTest, MusicOnTwiceRestartsThePieceFromItsBeginning) {
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  const int processed = pacing.processed;
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(2));
  std::this_thread::sleep_for(50ms);
  const auto plays = out->plays();
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[0].name, "MUSIC_1");
  EXPECT_EQ(plays[0].end, End::Purged);
  EXPECT_EQ(plays[1].name, "MUSIC_1");
  EXPECT_EQ(plays[1].end, End::Playing);
  EXPECT_GT(pacing.processed, processed) << "pending messages are handled first";
}

TEST_F(SoundTest, MusicOffStopsAtOnceAndASecondOffDoesNothing) {
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  sound->SetMusic(false);
  EXPECT_EQ(out->plays()[0].end, End::Purged);
  EXPECT_FALSE(sfx().isPlaying());
  EXPECT_FALSE(sfx().running());
  EXPECT_TRUE(sfx().soundName().isEmpty());

  const int purges = out->purges();
  const int processed = pacing.processed;
  sound->SetMusic(false);
  EXPECT_EQ(out->purges(), purges);
  EXPECT_EQ(pacing.processed, processed + 1) << "only the pending messages";
  EXPECT_FALSE(sfx().running());
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(out->plays().size(), 1u);
}

TEST_F(SoundTest, EachStartOfTheMusicPlaysThePieceNamedAtThatMoment) {
  const QString pieces[] = {"MUSIC_1", "MUSIC_2", "MUSIC_2", "MUSIC_3", "MUSIC_1"};
  for (size_t i = 0; i < std::size(pieces); ++i) {
    piece = pieces[i];
    sound->SetMusic(true);
    ASSERT_TRUE(out->waitForPlays(i + 1));
    EXPECT_EQ(out->plays()[i].name, pieces[i]) << "start " << i;
  }
}

TEST_F(SoundTest, WithDzwOffNothingIsPlayedAndTheThreadNeverResumes) {
  options.Dzw = false;
  const auto start = Clock::now();
  sound->SetMusic(true);
  sound->StartSound("KA");
  sound->WaitSoundStarted();
  sound->PlayEffectOnce("ZAZNACZ", false);
  sound->PlayEffectOnce("K_KOM", true);
  sound->PlayWaveNow("TEL_START");
  sound->StopRepeating();
  sound->WaitSoundEnded();
  sound->SetMusic(false);
  EXPECT_LT(secondsSince(start), 1.0) << "no wait may hang on a sound that never starts";
  std::this_thread::sleep_for(100ms);
  EXPECT_TRUE(out->plays().empty());
  EXPECT_EQ(sfx().resumes(), 0);
  EXPECT_FALSE(sfx().running());
}

TEST_F(SoundTest, MusicPlayingWhenDzwIsSwitchedOffCanStillBeStopped) {
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  options.Dzw = false;
  sound->SetMusic(false);
  EXPECT_EQ(out->plays()[0].end, End::Purged);
  EXPECT_FALSE(sfx().running());
  sound->SetMusic(true);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(out->plays().size(), 1u);
  EXPECT_FALSE(sfx().running());
}

TEST_F(SoundTest, AnEffectWaitedForPlaysOnceToItsEndWhileTheScreenRepaints) {
  out->setDuration("ZAZNACZ", 150ms);
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  sound->SetMusic(false);
  const int processed = pacing.processed;
  const auto start = Clock::now();
  sound->PlayEffectOnce("ZAZNACZ", true);
  EXPECT_GE(secondsSince(start), 0.1) << "returned before the wave had ended";
  EXPECT_FALSE(sfx().isPlaying());
  EXPECT_FALSE(sfx().running()) << "suspended after the effect";
  const int repaints = pacing.processed - processed;
  EXPECT_GE(repaints, 3) << "the wait lets the screen repaint";
  EXPECT_LE(repaints, 100) << "the wait sleeps between repaints";
  std::this_thread::sleep_for(50ms);
  const auto plays = out->plays();
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(plays[1].name, "ZAZNACZ");
  EXPECT_EQ(plays[1].end, End::Finished);
}

TEST_F(SoundTest, AnEffectNotWaitedForReturnsOnceStartedAndPlaysOnce) {
  sound->PlayEffectOnce("K_PUB", false);
  ASSERT_TRUE(out->waitForPlays(1));
  EXPECT_TRUE(sfx().isPlaying());
  EXPECT_EQ(out->plays()[0].end, End::Playing);
  EXPECT_TRUE(sfx().soundName().isEmpty());
  out->finish();
  sound->WaitSoundEnded();
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(out->plays().size(), 1u);
  EXPECT_FALSE(sfx().isPlaying());
  EXPECT_TRUE(sfx().running()) << "the caller decides whether the thread is suspended";
}

TEST_F(SoundTest, ASecondEffectFollowsTheFirstDirectly) {
  out->setDuration("DOBRA_PO", 60ms);
  sound->PlayEffectOnce("DOBRA_PO", false);
  sound->WaitSoundEnded();
  sound->StartSound("ODP_ZUA");
  sound->WaitSoundStarted();
  ASSERT_TRUE(out->waitForPlays(2));
  const auto plays = out->plays();
  EXPECT_EQ(plays[0].name, "DOBRA_PO");
  EXPECT_EQ(plays[0].end, End::Finished);
  EXPECT_EQ(plays[1].name, "ODP_ZUA");
  EXPECT_EQ(plays[1].end, End::Playing);
  EXPECT_EQ(sfx().resumes(), 1) << "the thread ran on between the two";
}

TEST_F(SoundTest, ASuspendStopsTheWaveAtOnceAndTheThreadStaysQuietUntilResumed) {
  sound->StartSound("REZ_MUZA");
  sound->WaitSoundStarted();
  ASSERT_TRUE(out->waitForPlays(1));
  sound->SuspendSound();
  EXPECT_EQ(out->plays()[0].end, End::Purged);
  EXPECT_FALSE(sfx().isPlaying());
  const auto start = Clock::now();
  sound->WaitSoundStarted();
  EXPECT_LT(secondsSince(start), 1.0) << "nothing can start while paused";
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(out->plays().size(), 1u);
  sfx().resume();
  ASSERT_TRUE(out->waitForPlays(2));
  EXPECT_EQ(out->plays()[1].name, "REZ_MUZA") << "goes on with the current name";
}

TEST_F(SoundTest, ASuspendWhileTheWaveIsStillLoadingStopsItToo) {
  out->setLoadTime(30ms);
  sound->SetMusic(true);
  sound->WaitSoundStarted();
  sound->SetMusic(false);
  EXPECT_FALSE(sfx().isPlaying());
  std::this_thread::sleep_for(50ms);
  const auto plays = out->plays();
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].end, End::Purged) << "the piece plays on while off";
}

TEST_F(SoundTest, TheLoopSleepsWhenThereIsNothingToPlay) {
  EXPECT_LE(wakeUpsOver200ms(), 3u) << "paused";
  out->setDuration("KA", 20ms);
  sound->PlayEffectOnce("KA", false);
  sound->WaitSoundEnded();
  ASSERT_TRUE(sfx().running());
  EXPECT_LE(wakeUpsOver200ms(), 3u) << "running with an empty name";
  out->setMissing("BRAK");
  sound->StartSound("BRAK");
  sound->WaitSoundStarted();
  EXPECT_LE(wakeUpsOver200ms(), 3u) << "a wave that cannot be played";
  EXPECT_LE(out->missingTries(), 2);
  sound->StartSound("KA");
  ASSERT_TRUE(out->waitForPlays(2)) << "a new name is played again";
}

TEST_F(SoundTest, APhoneClipPlaysOnTheCallingThreadThroughTheSameOutput) {
  out->setDuration("TEL_END", 80ms);
  const auto start = Clock::now();
  sound->PlayWaveNow("TEL_END");
  EXPECT_GE(secondsSince(start), 0.06) << "returns when the clip has ended";
  const auto plays = out->plays();
  ASSERT_EQ(plays.size(), 1u);
  EXPECT_EQ(plays[0].thread, std::this_thread::get_id());
  EXPECT_EQ(plays[0].end, End::Finished);
  EXPECT_EQ(sfx().resumes(), 0);
}

TEST_F(SoundTest, DestructionWhilePlayingReturnsPromptly) {
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  const auto start = Clock::now();
  sound.reset();
  EXPECT_LT(secondsSince(start), 1.0);
}

TEST_F(SoundTest, TerminationEndsTheThreadAndStopsTheWave) {
  lifetime::reset();
  sound->SetMusic(true);
  ASSERT_TRUE(out->waitForPlays(1));
  lifetime::requestTermination();
  EXPECT_EQ(out->plays()[0].end, End::Purged);
  EXPECT_TRUE(eventually([this] { return sfx().ended(); }));
  const auto start = Clock::now();
  sound->StartSound("KA");
  sound->WaitSoundStarted();
  sound->WaitSoundEnded();
  EXPECT_LT(secondsSince(start), 1.0);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(out->plays().size(), 1u);
  lifetime::reset();
}

}  // namespace
