// Checks the generated sounds in assets/sounds (tools/sounds/make-sounds.sh) the way the
// game relies on them: the names it loads, the one format its mixer is opened with, the
// lengths its pacing waits for, loops that repeat without a click, matched levels.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#ifndef FORTUNIAK_SOURCE_DIR
#error "FORTUNIAK_SOURCE_DIR must name the repository root"
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 22050;
constexpr std::array<const char*, 42> kNames = {
    "MUSIC_1", "MUSIC_2",     "MUSIC_3",  "ZAZNACZ", "DOBRA_PRZED", "DOBRA_PO",  "DOBRA_GWARA",
    "ODP_ZUA", "REZ_OKLASKI", "REZ_MUZA", "K_KOM",   "K_PUB",       "TEL_START", "TEL_END",
    "K",       "KA",          "KB",       "KC",      "KD",          "KE",        "G",
    "GA",      "GB",          "GC",       "GD",      "GE",          "M",         "M2",
    "MA",      "MB",          "MC",       "MD",      "ME",          "M2E",       "T",
    "T2",      "TA",          "TB",       "TC",      "TD",          "TE",        "T2E"};
constexpr std::array<const char*, 3> kMusic = {"MUSIC_1", "MUSIC_2", "MUSIC_3"};
constexpr std::array<const char*, 28> kVoices = {
    "K",  "KA", "KB", "KC", "KD", "KE",  "G", "GA", "GB", "GC", "GD", "GE", "M",  "M2",
    "MA", "MB", "MC", "MD", "ME", "M2E", "T", "T2", "TA", "TB", "TC", "TD", "TE", "T2E"};

fs::path soundsDir() { return fs::path(FORTUNIAK_SOURCE_DIR) / "assets" / "sounds"; }

struct Wave {
  uint16_t format = 0;
  uint16_t channels = 0;
  uint32_t rate = 0;
  uint32_t byteRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bits = 0;
  std::vector<int16_t> samples;

  double seconds() const { return static_cast<double>(samples.size()) / kRate; }
};

uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint32_t>(b[at]) | static_cast<uint32_t>(b[at + 1]) << 8 |
         static_cast<uint32_t>(b[at + 2]) << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t le16(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

bool tagIs(const std::vector<unsigned char>& b, size_t at, const char* tag) {
  return std::equal(tag, tag + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

// Reads a RIFF WAVE file chunk by chunk; returns an empty string or what is wrong.
std::string readWave(const fs::path& path, Wave& wave) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open " + path.string();
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  if (b.size() < 12 || !tagIs(b, 0, "RIFF") || !tagIs(b, 8, "WAVE")) return "not RIFF/WAVE";
  if (le32(b, 4) + 8 != b.size()) return "RIFF size does not match the file size";
  bool haveFormat = false;
  bool haveData = false;
  size_t at = 12;
  while (at + 8 <= b.size()) {
    const uint32_t size = le32(b, at + 4);
    const size_t body = at + 8;
    if (body + size > b.size()) return "chunk runs past the end of the file";
    if (tagIs(b, at, "fmt ")) {
      if (size < 16) return "fmt chunk too short";
      wave.format = le16(b, body);
      wave.channels = le16(b, body + 2);
      wave.rate = le32(b, body + 4);
      wave.byteRate = le32(b, body + 8);
      wave.blockAlign = le16(b, body + 12);
      wave.bits = le16(b, body + 14);
      haveFormat = true;
    } else if (tagIs(b, at, "data")) {
      if (!haveFormat) return "data chunk before fmt chunk";
      if (wave.bits != 16 || wave.channels != 1) return "samples are not 16-bit mono";
      if (size % 2 != 0) return "odd data size";
      wave.samples.resize(size / 2);
      for (size_t i = 0; i < wave.samples.size(); ++i)
        wave.samples[i] = static_cast<int16_t>(le16(b, body + 2 * i));
      haveData = true;
    }
    at = body + size + (size & 1u);
  }
  if (!haveFormat) return "no fmt chunk";
  if (!haveData) return "no data chunk";
  return {};
}

const Wave& load(const std::string& name) {
  static std::map<std::string, Wave> cache;
  if (auto it = cache.find(name); it != cache.end()) return it->second;
  Wave wave;
  const std::string error = readWave(soundsDir() / (name + ".wav"), wave);
  EXPECT_EQ(error, "") << name;
  return cache.emplace(name, std::move(wave)).first->second;
}

int peakOf(const std::vector<int16_t>& s, size_t from, size_t count) {
  int peak = 0;
  for (size_t i = from; i < std::min(s.size(), from + count); ++i)
    peak = std::max(peak, std::abs(static_cast<int>(s[i])));
  return peak;
}

double rmsOf(const std::vector<int16_t>& s, size_t from, size_t count) {
  const size_t end = std::min(s.size(), from + count);
  if (end <= from) return 0.0;
  double sum = 0.0;
  for (size_t i = from; i < end; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / static_cast<double>(end - from));
}

// Level while the clip sounds: the RMS of its 50 ms blocks within 40 dB of the loudest one,
// so that a short sting and a long bed are compared fairly.
double soundingRmsDb(const std::vector<int16_t>& s) {
  if (s.empty()) return -200.0;
  const size_t block = kRate / 20;
  std::vector<double> levels;
  for (size_t at = 0; at < s.size(); at += block) levels.push_back(rmsOf(s, at, block));
  const double top = *std::max_element(levels.begin(), levels.end());
  double sum = 0.0;
  int count = 0;
  for (double l : levels) {
    if (l > top / 100.0) {
      sum += l * l;
      ++count;
    }
  }
  return 20.0 * std::log10(std::sqrt(sum / count) / 32768.0);
}

// Everything but the loops: clips that are played once, from silence back to silence.
std::vector<const char*> oneShots() {
  std::vector<const char*> names;
  for (const char* name : kNames)
    if (std::find_if(kMusic.begin(), kMusic.end(),
                     [name](const char* m) { return std::string(m) == name; }) == kMusic.end())
      names.push_back(name);
  return names;
}

std::string testName(const testing::TestParamInfo<const char*>& info) { return info.param; }

TEST(SoundAssets, ExactlyTheGamesFortyTwoFilesArePresent) {
  std::set<std::string> found;
  for (const auto& entry : fs::directory_iterator(soundsDir()))
    if (entry.path().extension() == ".wav") found.insert(entry.path().stem().string());
  const std::set<std::string> wanted(kNames.begin(), kNames.end());
  ASSERT_EQ(wanted.size(), 42u);
  for (const std::string& name : wanted) EXPECT_TRUE(found.count(name)) << name << ".wav missing";
  for (const std::string& name : found)
    EXPECT_TRUE(wanted.count(name)) << name << ".wav unexpected";
}

TEST(SoundAssets, LevelsAreMatchedAcrossClips) {
  std::map<std::string, double> levels;
  for (const char* name : kNames) levels[name] = soundingRmsDb(load(name).samples);
  std::vector<double> sorted;
  for (const auto& [name, db] : levels) sorted.push_back(db);
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[sorted.size() / 2];
  for (const auto& [name, db] : levels)
    EXPECT_NEAR(db, median, 6.0) << name << " is " << db << " dBFS while sounding";
}

class EverySound : public testing::TestWithParam<const char*> {};

TEST_P(EverySound, IsMonoPcm22050Hz16Bit) {
  Wave wave;
  ASSERT_EQ(readWave(soundsDir() / (std::string(GetParam()) + ".wav"), wave), "");
  EXPECT_EQ(wave.format, 1) << "not plain PCM";
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.rate, 22050u);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_EQ(wave.blockAlign, 2);
  EXPECT_EQ(wave.byteRate, 44100u);
  EXPECT_GT(wave.samples.size(), static_cast<size_t>(kRate / 10));
}

TEST_P(EverySound, NeitherClipsNorIsSilent) {
  const auto& s = load(GetParam()).samples;
  ASSERT_FALSE(s.empty());
  const int peak = peakOf(s, 0, s.size());
  EXPECT_LT(peak, 32767) << "clipped";
  EXPECT_GT(peak, 8000) << "barely audible: peak below -12 dBFS";
  EXPECT_GT(rmsOf(s, 0, s.size()), 800.0) << "mostly silent";
}

INSTANTIATE_TEST_SUITE_P(SoundAssets, EverySound, testing::ValuesIn(kNames), testName);

class OneShot : public testing::TestWithParam<const char*> {};

TEST_P(OneShot, StartsAndEndsWithoutAStep) {
  const auto& s = load(GetParam()).samples;
  ASSERT_GT(s.size(), 8u);
  const int peak = peakOf(s, 0, s.size());
  EXPECT_LE(peakOf(s, 0, 4), peak / 50) << "no fade-in";
  EXPECT_LE(peakOf(s, s.size() - 4, 4), peak / 50) << "no fade-out";
}

INSTANTIATE_TEST_SUITE_P(SoundAssets, OneShot, testing::ValuesIn(oneShots()), testName);

class Music : public testing::TestWithParam<const char*> {};

TEST_P(Music, LastsLongEnoughToLoop) {
  const double seconds = load(GetParam()).seconds();
  EXPECT_GE(seconds, 15.0);
  EXPECT_LE(seconds, 40.0);
}

TEST_P(Music, EndRunsIntoStartWithoutAClick) {
  const auto& s = load(GetParam()).samples;
  ASSERT_GT(s.size(), static_cast<size_t>(kRate));
  const int peak = peakOf(s, 0, s.size());
  const int step = std::abs(static_cast<int>(s.back()) - static_cast<int>(s.front()));
  EXPECT_LE(step, peak / 20) << "jump from the last sample to the first";
  const size_t window = kRate / 20;
  const double head = rmsOf(s, 0, window);
  const double tail = rmsOf(s, s.size() - window, window);
  ASSERT_GT(tail, 0.0);
  EXPECT_GT(head / tail, 0.5);
  EXPECT_LT(head / tail, 2.0);
  // Neither edge is faded: a fade would turn every repeat into a dip.
  const double whole = rmsOf(s, 0, s.size());
  EXPECT_GT(head, whole / 4);
  EXPECT_GT(tail, whole / 4);
}

INSTANTIATE_TEST_SUITE_P(SoundAssets, Music, testing::ValuesIn(kMusic), testName);

struct Timing {
  const char* name;
  double low;
  double high;
};

// The game waits for these before it goes on; the rest only need to fit their moment.
constexpr std::array<Timing, 11> kTimings = {{
    {"ZAZNACZ", 2.6 - 0.15, 2.6 + 0.15},
    {"DOBRA_PRZED", 2.9 - 0.15, 2.9 + 0.15},
    {"DOBRA_PO", 8.9 - 0.15, 8.9 + 0.15},
    {"DOBRA_GWARA", 10.0 - 0.15, 10.0 + 0.15},
    {"ODP_ZUA", 4.0 - 0.15, 4.0 + 0.15},
    {"REZ_MUZA", 10.0 - 0.15, 10.0 + 0.15},
    {"K_PUB", 4.0 - 0.15, 4.0 + 0.15},
    {"REZ_OKLASKI", 3.0, 4.0},
    {"K_KOM", 1.5, 2.0},
    {"TEL_START", 2.0, 3.0},
    {"TEL_END", 0.8, 1.2},
}};

void PrintTo(const Timing& timing, std::ostream* os) { *os << timing.name; }

class Timed : public testing::TestWithParam<Timing> {};

TEST_P(Timed, LastsWhatThePacingExpects) {
  const double seconds = load(GetParam().name).seconds();
  EXPECT_GE(seconds, GetParam().low) << GetParam().name;
  EXPECT_LE(seconds, GetParam().high) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(SoundAssets, Timed, testing::ValuesIn(kTimings),
                         [](const testing::TestParamInfo<Timing>& info) {
                           return std::string(info.param.name);
                         });

class Voice : public testing::TestWithParam<const char*> {};

TEST_P(Voice, IsTrimmedToAShortPause) {
  const auto& s = load(GetParam()).samples;
  ASSERT_FALSE(s.empty());
  const int threshold = peakOf(s, 0, s.size()) / 100;
  const auto loud = [threshold](int16_t v) { return std::abs(static_cast<int>(v)) > threshold; };
  const double lead =
      static_cast<double>(std::find_if(s.begin(), s.end(), loud) - s.begin()) / kRate;
  const double tail =
      static_cast<double>(std::find_if(s.rbegin(), s.rend(), loud) - s.rbegin()) / kRate;
  EXPECT_GE(lead, 0.02);
  EXPECT_LE(lead, 0.12);
  EXPECT_GE(tail, 0.02);
  EXPECT_LE(tail, 0.12);
}

TEST_P(Voice, LetterIsShortAndSentenceIsLong) {
  const std::string name = GetParam();
  const double seconds = load(name).seconds();
  const bool letter = name.size() == 2 && name[1] >= 'A' && name[1] <= 'D';
  if (letter) {
    EXPECT_GE(seconds, 0.15) << name;
    EXPECT_LE(seconds, 1.2) << name;
  } else {
    EXPECT_GE(seconds, 1.0) << name;
    EXPECT_LE(seconds, 12.0) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(SoundAssets, Voice, testing::ValuesIn(kVoices), testName);

}  // namespace
