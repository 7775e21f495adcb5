#include "questions/StartCheck.h"

#include <QFile>
#include <QMessageBox>

#include "questions/QuestionBank.h"
#include "storage/IniFile.h"
#include "ui/AppContext.h"
#include "ui/Handlers.h"
#include "ui/Lifetime.h"

StartCheck::StartCheck(QWidget& owner, Handlers& handlers, const QuestionBank& bank, Needs needs)
    : m_owner(owner), m_handlers(handlers), m_bank(bank), m_needs(std::move(needs)) {
  handlers.add(QStringLiteral("btnStartClick"), [this] { btnStartClick(); });
  handlers.want(QStringLiteral("OpenFriendsChoice"));
  handlers.want(QStringLiteral("StartGame"));
}

void StartCheck::btnStartClick() {
  if (!QFile::exists(m_needs.questionsFile())) {
    QMessageBox::critical(&m_owner, QStringLiteral("ERROR"),
                          QString::fromUtf8("Nie znaleziono pliku z pytaniami!!"));
    lifetime::requestTermination();
    return;
  }
  int firstQuestions = 0;
  for (int level = 1; level <= QuestionBank::Levels; ++level)
    if (m_bank.CountQuestions(level) >= 1) ++firstQuestions;
  // A level whose questions are all broken cannot be played either.
  if (firstQuestions != QuestionBank::Levels || !m_bank.everyLevelPlayable()) {
    QMessageBox box(QMessageBox::NoIcon, appinfo::titleText(),
                    QString::fromUtf8("Błędny plik z pytaniami!!"), QMessageBox::Ok, &m_owner);
    box.exec();
    lifetime::requestTermination();
    return;
  }
  // The friends choice and the game itself join through these handlers.
  m_handlers.run(m_needs.lifelinesOn() ? QStringLiteral("OpenFriendsChoice")
                                       : QStringLiteral("StartGame"));
  m_needs.showRecordsSidePanel(false);
}
