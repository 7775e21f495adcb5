// The real output under SDL's dummy driver, which keeps each wave's length in real time.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "media/SdlAudioOutput.h"
#include "media/Sound.h"
#include "options/OptionFlags.h"
#include "ui/Pacing.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr double kKaSeconds = 0.29;  // assets/sounds/KA.wav

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Loading a 24 s piece takes a while in the sanitizer builds.
bool channelPlays() {
  const auto deadline = Clock::now() + 5s;
  while (Mix_Playing(-1) == 0) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(5ms);
  }
  return true;
}

class SdlAudio : public testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlAudio, AnEmbeddedWavePlaysForItsLengthWhateverTheCaseOfItsName) {
  SdlAudioOutput output;
  ASSERT_TRUE(output.isOpen());
  for (const char* name : {"KA", "ka", "Ka"}) {
    const auto start = Clock::now();
    EXPECT_TRUE(output.play(QString::fromLatin1(name))) << name;
    const double seconds = secondsSince(start);
    EXPECT_GE(seconds, kKaSeconds / 2) << name;
    EXPECT_LE(seconds, 2.0) << name;
  }
}

TEST_F(SdlAudio, TheDeviceOpensOnlyWhenASoundIsFirstWanted) {
  SdlAudioOutput output;
  output.purge();  // nothing plays yet, and stopping it must not open anything
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
  ASSERT_TRUE(output.isOpen());
  EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlAudio, AMissingWaveReturnsAtOnce) {
  SdlAudioOutput output;
  ASSERT_TRUE(output.isOpen());
  const auto start = Clock::now();
  EXPECT_FALSE(output.play("NO_SUCH_WAVE"));
  EXPECT_FALSE(output.play(""));
  EXPECT_FALSE(output.play("../sounds/KA"));
  EXPECT_LT(secondsSince(start), 0.1);
}

TEST_F(SdlAudio, APurgeFromAnotherThreadEndsAPieceAtOnce) {
  SdlAudioOutput output;
  ASSERT_TRUE(output.isOpen());
  std::atomic<bool> returned{false};
  Clock::time_point end;
  std::thread player([&] {
    output.play("MUSIC_1");
    end = Clock::now();
    returned = true;
  });
  ASSERT_TRUE(channelPlays());
  std::this_thread::sleep_for(300ms);
  EXPECT_FALSE(returned) << "a 24 s piece ended early";
  const auto purgedAt = Clock::now();
  output.purge();
  player.join();
  EXPECT_LT(std::chrono::duration<double>(end - purgedAt).count(), 0.2);
  EXPECT_EQ(Mix_Playing(-1), 0) << "the piece is still heard";
}

TEST_F(SdlAudio, ANewWaveStopsTheOneBefore) {
  SdlAudioOutput output;
  ASSERT_TRUE(output.isOpen());
  std::atomic<bool> returned{false};
  Clock::time_point end;
  std::thread player([&] {
    output.play("MUSIC_2");
    end = Clock::now();
    returned = true;
  });
  ASSERT_TRUE(channelPlays());
  ASSERT_FALSE(returned);
  const auto start = Clock::now();
  EXPECT_TRUE(output.play("KA"));
  const double clip = secondsSince(start);
  player.join();
  EXPECT_LT(std::chrono::duration<double>(end - start).count(), 0.5) << "the piece kept on";
  EXPECT_GE(clip, kKaSeconds / 2) << "the new wave was cut as well";
}

TEST_F(SdlAudio, WithoutAUsableDriverItFallsBackToTheDummyOne) {
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  SdlAudioOutput output;
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_TRUE(output.isOpen());
  ASSERT_NE(SDL_GetCurrentAudioDriver(), nullptr);
  EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
  const auto start = Clock::now();
  EXPECT_TRUE(output.play("KA"));
  EXPECT_GE(secondsSince(start), kKaSeconds / 2);
}

TEST_F(SdlAudio, ASecondOutputStaysSilentWithoutBlocking) {
  SdlAudioOutput first;
  ASSERT_TRUE(first.isOpen());
  SdlAudioOutput second;
  EXPECT_FALSE(second.isOpen());
  const auto start = Clock::now();
  EXPECT_FALSE(second.play("KA"));
  second.purge();
  EXPECT_LT(secondsSince(start), 0.1);
}

TEST_F(SdlAudio, TheSoundThreadPlaysThroughTheRealOutput) {
  VirtualPacing pacing;
  OptionFlags options;
  Sound sound(std::make_unique<SdlAudioOutput>(), pacing, options,
              [] { return QStringLiteral("MUSIC_2"); });
  auto start = Clock::now();
  sound.PlayEffectOnce("ka", true);
  const double effect = secondsSince(start);
  EXPECT_GE(effect, kKaSeconds / 2);
  EXPECT_LE(effect, 2.0);
  EXPECT_FALSE(sound.sfx().running());

  sound.SetMusic(true);
  ASSERT_TRUE(channelPlays());
  std::this_thread::sleep_for(300ms);
  EXPECT_TRUE(sound.sfx().isPlaying()) << "MUSIC_2 lasts 24 s";
  start = Clock::now();
  sound.SetMusic(false);
  EXPECT_LT(secondsSince(start), 0.2);
  EXPECT_FALSE(sound.sfx().isPlaying());
}

}  // namespace
