#include "game/GameRules.h"

int answerFontSize(const QString& answer) {
  const auto length = answer.size();
  if (length >= 46) return 7;
  if (length >= 34) return 8;
  if (length >= 27) return 9;
  return 11;
}

Suspense suspenseFor(int level) {
  if (level <= 5) return {1000, false};
  switch (level) {
    case 6:
    case 7:
      return {1500, true};
    case 8:
      return {2000, true};
    case 9:
      return {2500, true};
    case 10:
      return {3000, true};
    case 11:
      return {3500, true};
    case 12:
      return {4000, true};
    case 13:
      return {4250, true};
    case 14:
      return {4700, true};
    default:
      return {5300, true};
  }
}

QString correctAnswerSound(int level) {
  if (level <= 4) return QStringLiteral("dobra_przed");
  if (level == 5 || level == 10) return QStringLiteral("dobra_gwara");
  return QStringLiteral("dobra_po");
}

int suspenseHostPose(int level, int basePose) { return level >= 6 ? 1 : basePose; }

int correctAnswerHostPose(int level, int basePose) { return level >= 5 ? 4 : basePose; }

std::optional<int> resignationHostPose(int level) {
  if (level >= 8) return 4;
  return std::nullopt;
}

bool showsWonCaption(int level) { return level == 5 || level == 10; }

bool resignationOffered(int level) { return level > 1; }
