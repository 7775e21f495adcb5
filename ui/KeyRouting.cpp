#include "ui/KeyRouting.h"

namespace {

bool isLetter(QChar key, char16_t upper) { return key.toUpper().unicode() == upper; }
bool isConfirmOrCancel(QChar key) {
  return key.unicode() == keys::Enter || key.unicode() == keys::Escape;
}
// The close keys of a panel whose button carries `letter`.
bool closesPanel(QChar key, char16_t letter) {
  return isLetter(key, letter) || isConfirmOrCancel(key);
}

// The friend a digit names on the friends page, 1-4; Shift+digit gives the characters of the
// Polish (programmer's) keyboard. 0 for any other key.
int friendOfDigit(QChar key) {
  static const QString kShifted = QStringLiteral("!@#$");
  if (key >= u'1' && key <= u'4') return key.unicode() - u'0';
  return static_cast<int>(kShifted.indexOf(key)) + 1;
}

// The friends page without its information panel: 1-4 toggle a friend, I + number or
// Shift+number open a friend's information, S and Enter are START. The page keeps I (its "i"
// buttons), so it never opens the menu's information.
bool friendsPageRules(KeyPressTarget& t, QChar key, QChar previous) {
  const auto take = [&t](const QString& handler) {
    t.run(handler);
    return true;
  };
  if (isLetter(key, u'S') || key.unicode() == keys::Enter)
    return take(QStringLiteral("btnCStartClick"));
  if (isLetter(key, u'I')) return true;
  const int number = friendOfDigit(key);
  // A panel over the page holds the lock, and the roster with it.
  if (number == 0 || !t.isEnabled(QStringLiteral("lblCFr01"))) return false;
  const bool info = !(key >= u'1' && key <= u'4') || isLetter(previous, u'I');
  return take(
      (info ? QStringLiteral("btnCInf0%1Click") : QStringLiteral("lblCFr0%1Click")).arg(number));
}

void menuLetters(KeyPressTarget& t, QChar key) {
  static constexpr struct {
    char16_t letter;
    const char* handler;
  } kEntries[] = {
      {u'R', "btnStartClick"}, {u'O', "btnOpcjeClick"}, {u'E', "btnRecClick"},
      {u'S', "btnStatsClick"}, {u'I', "btnInfoClick"},  {u'W', "btnLogOffClick"},
      {u'Z', "btnCloseClick"},
  };
  for (const auto& entry : kEntries)
    if (isLetter(key, entry.letter)) t.run(QString::fromLatin1(entry.handler));
}

// The keys of what lies over the menu: an open panel's button first, then the shown
// sub-page's own underlined letter. Whatever takes the key keeps it, so a letter never does
// what the screen does not show.
bool pageRules(KeyPressTarget& t, QChar key, QChar previous) {
  const auto take = [&t](const char* handler) {
    t.run(QString::fromLatin1(handler));
    return true;
  };
  if (t.isVisible(QStringLiteral("pnCError")) && closesPanel(key, u'S'))
    return take("btnCHideClick");

  if (t.shownMenuPage() == u"tsChoose") {
    if (t.isVisible(QStringLiteral("pnCInfo"))) {
      if (closesPanel(key, u'S')) return take("btnCOkClick");
    } else if (friendsPageRules(t, key, previous)) {
      return true;
    }
  }

  if (t.shownMenuPage() == u"tsRec") {
    if (t.isVisible(QStringLiteral("pnRInfo")) && closesPanel(key, u'W'))
      return take("btnRHideClick");
    if (t.isVisible(QStringLiteral("pnYesNo")) && isLetter(key, u'T')) return take("btnYesClick");
    if (t.isVisible(QStringLiteral("pnYesNo")) && isLetter(key, u'N')) return take("btnNoClick");
  }
  return false;
}

void menuRules(KeyPressTarget& t, QChar key, QChar previous) {
  if (pageRules(t, key, previous)) return;
  // A panel holding the control lock has disabled the entries, and with them the letters.
  if (t.isEnabled(QStringLiteral("lblStart"))) menuLetters(t, key);
}

}  // namespace

void FormKeyPress(KeyPressTarget& t, QChar key, QChar previous) {
  if (t.shownPage() == u"tsAnim") t.run(QStringLiteral("AnimStop"));

  if (t.shownPage() == u"tsProfiles" && t.isVisible(QStringLiteral("pnPassword"))) {
    if (key.unicode() == keys::Enter && t.isEnabled(QStringLiteral("btnPPOk")))
      t.run(QStringLiteral("btnPPOkClick"));
    else if (key.unicode() == keys::Escape)
      t.run(QStringLiteral("btnPPCanClick"));
  }

  if (t.shownPage() == u"tsLose" && t.isVisible(QStringLiteral("pnLName")) &&
      key.unicode() == keys::Enter && t.isEnabled(QStringLiteral("btnLOk")))
    t.run(QStringLiteral("btnLOkClick"));

  if (!t.menuKeysOn() && !isConfirmOrCancel(key)) return;

  if (t.shownPage() == u"tsMenu") menuRules(t, key, previous);

  if (t.shownPage() == u"tsLose" && !t.isVisible(QStringLiteral("pnLName")) && isLetter(key, u'W'))
    t.run(QStringLiteral("btnBackClick"));
}
