#include "ui/AppContext.h"

QString appinfo::titleText() {
  return QStringLiteral("%1 v %2").arg(QString::fromUtf8(ProductName), QString::fromUtf8(Version));
}

QString AppContext::QuestionsFilePath() const {
  return QuestionsDir + QString::fromUtf8(appinfo::QuestionsFile);
}
