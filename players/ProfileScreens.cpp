#include "players/ProfileScreens.h"

#include <QLineEdit>
#include <QPainter>
#include <QScrollArea>
#include <QStackedWidget>

#include "players/DateEdit.h"
#include "players/PlayerSession.h"
#include "players/ProfileStore.h"
#include "players/ProfilesPage.h"
#include "ui/ControlLock.h"
#include "ui/Handlers.h"
#include "ui/MenuScreens.h"
#include "ui/SymbolFonts.h"
#include "ui/TMainFrm.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

// Names are shown as typed: an "&" in a name is not an accelerator.
QString literal(const QString& text) { return TextLabel::literal(text); }

const char* const kLeftButtons[] = {"imgPLog", "imgPNew",  "imgPEdit",
                                    "imgPDel", "imgPList", "imgPQuit"};

}  // namespace

ProfileScreens::ProfileScreens(TMainFrm& form, Handlers& handlers, MenuScreens& menu,
                               const ProfileStore& store, PlayerSession& session,
                               std::function<bool()> dataFileExists,
                               std::function<void()> loadOptions, std::function<QDateTime()> now)
    : m_form(form),
      m_handlers(handlers),
      m_menu(menu),
      m_store(store),
      m_session(session),
      m_dataFileExists(std::move(dataFileExists)),
      m_loadOptions(std::move(loadOptions)),
      m_now(std::move(now)) {
  profilespage::build(form.tsProfiles, handlers);
  const std::pair<const char*, void (ProfileScreens::*)()> named[] = {
      {"btnPNewClick", &ProfileScreens::btnPNewClick},
      {"btnPListClick", &ProfileScreens::btnPListClick},
      {"lblPCreateClick", &ProfileScreens::lblPCreateClick},
      {"btnPPOkClick", &ProfileScreens::btnPPOkClick},
      {"btnPPCanClick", &ProfileScreens::btnPPCanClick},
  };
  for (auto [name, method] : named)
    handlers.add(QString::fromLatin1(name), [this, method] { (this->*method)(); });
  handlers.want(QStringLiteral("btnBackClick"));  // a log-in ends on the menu
  handlers.add(QStringLiteral("lblPLogClick"), [this] { AskPassword([this] { btnPLogClick(); }); });
  handlers.add(QStringLiteral("lblPEditClick"),
               [this] { AskPassword([this] { btnPEditClick(); }); });
  handlers.add(QStringLiteral("lblPDelClick"), [this] { AskPassword([this] { btnPDelClick(); }); });
}

template <class T>
T* ProfileScreens::c(const char* name) const {
  return m_form.require<T>(QString::fromLatin1(name));
}

void ProfileScreens::ensureForm() {
  if (m_formBuilt) return;
  m_formBuilt = true;
  profilespage::buildForm(c("tsPNew"), m_handlers);
  profilespage::buildPasswordPanel(m_form.tsProfiles, m_handlers);
  c<PictureBox>("imgPCreate")->setPicture(m_createFace);
  connectForm();
}

void ProfileScreens::connectForm() {
  for (const char* name : {"edtPImi", "edtPMie", "edtPUro", "edtPPas", "edtPPas2"})
    QObject::connect(c<QLineEdit>(name), &QLineEdit::textChanged, [this] { PGraczChange(); });
  auto* sex = c<QLineEdit>("edtPPue");
  QObject::connect(sex, &QLineEdit::textEdited, [sex](const QString& text) {
    if (text != text.toUpper()) sex->setText(text.toUpper());  // the field takes capitals only
  });
  QObject::connect(sex, &QLineEdit::textChanged, [this] { edtPPueChange(); });
  QObject::connect(c<QLineEdit>("edtPPHas"), &QLineEdit::textChanged, [this] { edtPPHasChange(); });
}

void ProfileScreens::setButtonsEnabled(bool log, bool edit, bool del) {
  for (auto [picture, label, on] :
       {std::tuple{"imgPLog", "lblPLog", log}, std::tuple{"imgPEdit", "lblPEdit", edit},
        std::tuple{"imgPDel", "lblPDel", del}}) {
    c(picture)->setEnabled(on);
    c(label)->setEnabled(on);
  }
}

void ProfileScreens::ProfilesShow() {
  auto* hint = c<TextLabel>("lblPInfo");
  auto* create = c<TextLabel>("lblPNew");
  QFont font = create->font();
  if (m_dataFileExists()) {
    hint->setCaption(QString::fromUtf8("Aby wybrać gracza kliknij na jego imię."));
    create->setColour(Qt::white);
    font.setBold(false);
  } else {
    hint->setCaption(QString::fromUtf8("Aby stworzyć nowego gracza kliknij na \"Stwórz gracza\"."));
    create->setColour(profilespage::Red);
    font.setBold(true);
  }
  create->setFont(font);
  const QStringList names = m_store.ListProfiles();
  setButtonsEnabled(false, false, false);
  c<TextLabel>("lblPLike")->setCaption(QString());
  c<QStackedWidget>("ProPages")->setCurrentWidget(c("tsPList"));

  const QImage face = m_menu.buttonFace();
  for (const char* picture : kLeftButtons) c<PictureBox>(picture)->setPicture(face);
  QImage button(143, 33, QImage::Format_RGB32);
  button.fill(Qt::black);
  QPainter(&button).drawImage(-19, 0, face);
  m_createFace = button;
  // The form is built when first needed; until then its button face waits here.
  if (auto* create = m_form.control<PictureBox>(QStringLiteral("imgPCreate")))
    create->setPicture(button);
  rebuildRows(names);
}

void ProfileScreens::rebuildRows(const QStringList& names) {
  QWidget* rows = c("sbListaRows");
  qDeleteAll(rows->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  QFont nameFont(QStringLiteral("Arial"));
  nameFont.setPixelSize(26);
  const SymbolGlyph tick = symbolGlyph(QStringLiteral("Wingdings"), QChar(0xFC), 26);
  for (int i = 0; i < names.size(); ++i) {
    auto* name = new TextLabel(rows, QStringLiteral("lblPName%1").arg(i), literal(names[i]));
    name->setGeometry(40, 10 + 30 * i, 379, 32);
    name->setFont(nameFont);
    name->setColour(Qt::white);
    name->setCursor(Qt::PointingHandCursor);
    name->setTag(i);
    QObject::connect(name, &TextLabel::clicked, [this, i] { PlayerRowClick(i); });
    QObject::connect(name, &TextLabel::doubleClicked,
                     m_handlers.runner(QStringLiteral("lblPLogClick")));
    auto* check = new TextLabel(rows, QStringLiteral("lblPCheck%1").arg(i), tick.text);
    check->setGeometry(4, 13 + 30 * i, 34, 30);
    check->setFont(tick.font);
    check->setColour(Qt::white);
    check->setTag(i);
    check->hide();
    name->show();
  }
  m_rows = static_cast<int>(names.size());
  m_shownNames = names;
  rows->resize(421 - 30, 10 + 30 * m_rows + 10);
}

void ProfileScreens::PlayerRowClick(int row) {
  SelectedPlayerRow = row;
  // The row means the name it shows: the file's order may have changed since the list was
  // drawn (a record of the anonymous player adds his section at the end).
  const QStringList& names = m_shownNames;
  if (row < 0 || row >= names.size()) return;
  m_session.CurrentPlayer = m_store.ReadProfile(names[row]);
  for (int i = 0; i < m_rows; ++i) {
    m_form.require(QStringLiteral("lblPCheck%1").arg(i))->setVisible(i == row);
    m_form.require<TextLabel>(QStringLiteral("lblPName%1").arg(i))
        ->setColour(i == row ? profilespage::Orange : QColor(Qt::white));
  }
  const bool named = names[row] != AnonymousName;
  setButtonsEnabled(true, named, named);
  c<TextLabel>("lblPLike")->setCaption(QStringLiteral("Wybrany gracz: ") + literal(names[row]));
  c("lblPLog")->show();
  c("imgPLog")->show();
  c<TextLabel>("lblPInfo")
      ->setCaption(QString::fromUtf8(
          "Aby się zalogować kliknij dwukrotnie na imię gracza lub kliknij na \"Zaloguj się\"."));
}

void ProfileScreens::btnPLogClick() {
  const Profile& p = m_session.CurrentPlayer;
  m_menu.showPlayer(literal(p.name), literal(p.place),
                    QString::number(ageInYears(p.birthDate, m_now())), p.name != AnonymousName);
  m_session.RecordsOwner = p.name;
  m_loadOptions();
  m_handlers.run(QStringLiteral("btnBackClick"));
}

void ProfileScreens::setFormMode(bool edit) {
  c<TextLabel>("lblPCreate")->setCaption(QString::fromUtf8(edit ? "EDYTUJ" : "STWÓRZ"));
  const QString title = QString::fromUtf8(edit ? "EDYTOWANIE GRACZA" : "TWORZENIE NOWEGO GRACZA");
  c<TextLabel>("lblPNTitle")->setCaption(title);
  c<TextLabel>("lblPNTitleS")->setCaption(title);
  c<QLineEdit>("edtPImi")->setReadOnly(edit);
  c<QLineEdit>("edtPImi")->setMaxLength(18);
  c<QLineEdit>("edtPMie")->setMaxLength(23);
}

void ProfileScreens::btnPNewClick() {
  ensureForm();
  setFormMode(false);
  for (const char* name : {"edtPImi", "edtPMie", "edtPPue", "edtPPas", "edtPPas2"})
    c<QLineEdit>(name)->clear();
  c<DateEdit>("edtPUro")->setDateText(QStringLiteral("RR-MM-DD"));
  PGraczChange();
  c<QStackedWidget>("ProPages")->setCurrentWidget(c("tsPNew"));
  c("edtPImi")->setFocus();
}

void ProfileScreens::btnPEditClick() {
  ensureForm();
  const Profile& p = m_session.CurrentPlayer;
  setFormMode(true);
  c<QLineEdit>("edtPImi")->setText(p.name);
  c<QLineEdit>("edtPMie")->setText(p.place);
  c<DateEdit>("edtPUro")->setDateText(dateText(p.birthDate.date()));
  c<QLineEdit>("edtPPue")->setText(QString(p.sex));
  c<QLineEdit>("edtPPas")->setText(p.password);
  c<QLineEdit>("edtPPas2")->setText(p.password);
  PGraczChange();
  c<QStackedWidget>("ProPages")->setCurrentWidget(c("tsPNew"));
}

void ProfileScreens::edtPPueChange() {
  auto* sex = c<QLineEdit>("edtPPue");
  const QString text = sex->text();
  if (!text.isEmpty() && text != u"M" && text != u"K")
    sex->clear();  // runs this again
  else
    PGraczChange();
}

ProfileFormInput ProfileScreens::formInput() const {
  ProfileFormInput in;
  in.editMode = c<TextLabel>("lblPCreate")->caption() == u"EDYTUJ";
  in.name = c<QLineEdit>("edtPImi")->text();
  in.place = c<QLineEdit>("edtPMie")->text();
  in.birthDate = c<QLineEdit>("edtPUro")->text();
  in.sex = c<QLineEdit>("edtPPue")->text();
  in.password = c<QLineEdit>("edtPPas")->text();
  in.passwordAgain = c<QLineEdit>("edtPPas2")->text();
  return in;
}

void ProfileScreens::PGraczChange() {
  const ProfileFormVerdict v =
      checkProfileForm(formInput(), m_session.CurrentPlayer.name,
                       [this](const QString& name) { return m_store.ProfileExists(name); });
  auto colour = [](bool ok) { return ok ? profilespage::Orange : profilespage::Red; };
  c<TextLabel>("lblPImi")->setColour(colour(v.nameOk()));
  c<TextLabel>("lblPMie")->setColour(colour(v.placeGiven));
  c<TextLabel>("lblPUroT")->setColour(colour(v.dateValid));
  c<TextLabel>("lblPPas2")->setColour(colour(v.passwordsAgree));
  c<TextLabel>("lblPPue")->setColour(colour(v.sexGiven));
  c("lblPCreate")->setEnabled(v.all());
  c("imgPCreate")->setEnabled(v.all());
}

void ProfileScreens::lblPCreateClick() {
  const ProfileFormInput in = formInput();
  const Profile before = m_session.CurrentPlayer;
  Profile& p = m_session.CurrentPlayer;
  p.name = in.name;
  p.place = in.place;
  p.birthDate = parseDateTimeText(in.birthDate, m_now().date()).value_or(m_now());
  p.sex = in.sex.isEmpty() ? QChar(u'M') : in.sex.front();
  p.password = in.password;
  if (!m_store.WriteProfile(p)) {
    // Nothing was stored: the form stays as typed, the player as before.
    m_session.CurrentPlayer = before;
    return;
  }
  ProfilesShow();
  m_session.CurrentPlayer = m_store.ReadProfile(in.name);
}

void ProfileScreens::btnPDelClick() {
  m_store.EraseProfile(m_session.CurrentPlayer.name);
  ProfilesShow();
  m_session.CurrentPlayer = m_store.ReadProfile(AnonymousName);
}

void ProfileScreens::btnPListClick() {
  c<QStackedWidget>("ProPages")->setCurrentWidget(c("tsPList"));
}

void ProfileScreens::AskPassword(std::function<void()> action) {
  if (m_session.CurrentPlayer.password.isEmpty()) {
    action();
    return;
  }
  ensureForm();
  c("btnPPOk")->setEnabled(false);
  QWidget* panel = c("pnPassword");
  panel->show();
  panel->raise();
  c<QLineEdit>("edtPPHas")->clear();
  c("edtPPHas")->setFocus();
  LockControls(&m_form, panel, false);
  m_pendingAction = std::move(action);
}

void ProfileScreens::edtPPHasChange() {
  c("btnPPOk")->setEnabled(c<QLineEdit>("edtPPHas")->text() == m_session.CurrentPlayer.password);
}

void ProfileScreens::btnPPOkClick() {
  if (!m_formBuilt) return;  // no panel was ever shown
  QWidget* panel = c("pnPassword");
  panel->hide();
  LockControls(&m_form, panel, true);
  auto action = std::move(m_pendingAction);
  m_pendingAction = nullptr;
  if (action) action();
}

void ProfileScreens::btnPPCanClick() {
  if (!m_formBuilt) return;
  QWidget* panel = c("pnPassword");
  panel->hide();
  LockControls(&m_form, panel, true);
  m_pendingAction = nullptr;
}
