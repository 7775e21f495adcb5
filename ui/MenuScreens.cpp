#include "ui/MenuScreens.h"

#include <QStackedWidget>

#include "ui/Handlers.h"
#include "ui/Lifetime.h"
#include "ui/MessagePanels.h"
#include "ui/Pictures.h"
#include "ui/ShellServices.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"
#include "ui/widgets/MenuEntry.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/TextLabel.h"

namespace {

constexpr MenuEntryLayout kMenuEntries[] = {
    {"imgStart", "lblStart", 111, 111, "&Rozpocznij grę", "btnStartClick"},
    {"imgOpcje", "lblOpcje", 151, 151, "&Opcje", "btnOpcjeClick"},
    {"imgRec", "lblRec", 191, 193, "R&ekordy", "btnRecClick"},
    {"imgStats", "lblStats", 233, 233, "&Statystyki", "btnStatsClick"},
    {"imgInfo", "lblInfo", 273, 273, "&Informacje", "btnInfoClick"},
    {"imgLogOff", "lblLogOff", 313, 313, "&Wyloguj się...", "btnLogOffClick"},
    {"imgQuit", "lblQuit", 353, 353, "&Zamknij", "btnQuitClick"},
};
constexpr MenuEntryLayout kBackEntry = {"imgBack", "lblBack",       354,
                                        354,       "&Wróć do menu", "btnBackClick"};
constexpr MenuEntryLayout kProfilesQuitEntry = {"imgPQuit", "lblPQuit",    372,
                                                372,        "Wyjdź z gry", "btnQuitClick"};

// Title and value rows of the player block, right-aligned at the top right of the menu.
constexpr struct {
  const char* titleName;
  const char* title;
  const char* valueName;
  int top;
} kPlayerRows[] = {
    {"lblGImiT", "GRACZ", "lblGImi", 6},
    {"lblGMieT", "MIEJSCOWOŚĆ", "lblGMie", 38},
    {"lblGUroT", "WIEK", "lblGUro", 70},
};

PictureBox* makeBackground(QWidget* page, const char* name) {
  auto* background = new PictureBox(page, QString::fromLatin1(name));
  background->setGeometry(0, 0, TMainFrm::ClientWidth, TMainFrm::ClientHeight);
  background->setStretch(true);
  background->lower();
  return background;
}

TextLabel* makeBlockLabel(QWidget* page, const char* name, const char* caption, int top,
                          int pixelSize, const QColor& colour) {
  auto* label = new TextLabel(page, QString::fromLatin1(name), QString::fromUtf8(caption));
  label->setGeometry(480, top, 300, pixelSize + 4);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(true);
  label->setFont(font);
  label->setColour(colour);
  return label;
}

}  // namespace

MenuScreens::MenuScreens(TMainFrm& form, Handlers& handlers, ShellServices& services,
                         MessagePanels& panels)
    : m_form(form), m_handlers(handlers), m_services(services), m_panels(panels) {
  buildMenuPage();
  buildResultPageEntry();
  buildProfilesPageEntry();
  addHandlers();
}

void MenuScreens::buildMenuPage() {
  QWidget* page = m_form.tsMenu;
  m_background = makeBackground(page, "imgMenuTlo");
  m_background->setPictureSource([] { return gamePicture("imgMenuTlo"); });
  m_face = new PictureBox(page, QStringLiteral("imgMB"));
  m_face->setGeometry(0, 0, 162, 31);
  m_face->setPictureSource([] { return gamePicture("imgMB"); });
  m_face->hide();
  for (const auto& entry : kMenuEntries)
    m_entryPictures.push_back(makeMenuEntry(page, m_handlers, entry).picture);
  buildPlayerBlock();
  m_form.MenuPages->raise();
}

void MenuScreens::buildPlayerBlock() {
  for (const auto& row : kPlayerRows) {
    m_playerTitles.push_back(
        makeBlockLabel(m_form.tsMenu, row.titleName, row.title, row.top, 12, theme::Orange));
    m_playerValues.push_back(
        makeBlockLabel(m_form.tsMenu, row.valueName, "", row.top + 14, 15, Qt::white));
  }
}

void MenuScreens::buildResultPageEntry() {
  m_loseBackground = makeBackground(m_form.tsLose, "imgLoseTlo");
  m_backPicture = makeMenuEntry(m_form.tsLose, m_handlers, kBackEntry).picture;
}

void MenuScreens::buildProfilesPageEntry() {
  // A stage of its own: the list and the form are wider than the menu's sub-pages.
  makeBackground(m_form.tsProfiles, "imgPTlo")->setPictureSource([] {
    return gamePicture("imgPTlo");
  });
  makeMenuEntry(m_form.tsProfiles, m_handlers, kProfilesQuitEntry);
  auto* info = m_appInfo = new TextLabel(m_form.tsProfiles, QStringLiteral("lblPAppInfo"));
  info->setGeometry(480, 400, 300, 18);
  info->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  info->setFont(font);
  info->setColour(QColor(120, 140, 180));
}

void MenuScreens::MenuShow() {
  const QImage face = buttonFace();
  for (PictureBox* picture : m_entryPictures) picture->setPicture(face);
  m_panels.loadIcons();
}

void MenuScreens::LoseShow() {
  m_backPicture->setPicture(buttonFace());
  m_loseBackground->setPicture(backgroundPicture());
}

QImage MenuScreens::buttonFace() const { return m_face->picture(); }
QImage MenuScreens::backgroundPicture() const { return m_background->picture(); }

void MenuScreens::setAppInfo(const QString& text) { m_appInfo->setCaption(text); }

void MenuScreens::showPlayer(const QString& name, const QString& place, const QString& age,
                             bool named) {
  const QString values[] = {name, place, age};
  for (size_t row = 0; row < m_playerValues.size(); ++row) {
    m_playerValues[row]->setCaption(values[row]);
    // Place and age belong to a named player only.
    m_playerTitles[row]->setVisible(row == 0 || named);
    m_playerValues[row]->setVisible(row == 0 || named);
  }
}

void MenuScreens::addHandlers() {
  m_handlers.add(QStringLiteral("btnOpcjeClick"), [this] {
    m_form.showMenuPage(m_form.Opcje);
    m_services.RefreshOptionsView();
    m_services.ShowRecordsSidePanel(false);
  });
  m_handlers.add(QStringLiteral("btnInfoClick"), [this] {
    m_services.ShowRecordsSidePanel(false);
    m_services.EnsureInfoMoviePlaying();
    m_form.showMenuPage(m_form.Info);
  });
  m_handlers.add(QStringLiteral("btnLogOffClick"), [this] {
    m_services.SaveOptions();
    m_services.ShowRecordsSidePanel(false);
    m_form.showPage(m_form.tsProfiles);  // as it was left, not rebuilt
  });
  m_handlers.add(QStringLiteral("btnQuitClick"), [] { lifetime::requestTermination(); });
  m_handlers.add(QStringLiteral("btnBackClick"), [this] {
    if (m_form.shownPage() == u"tsLose") m_services.StopResultMovie();
    m_form.showPage(m_form.tsMenu);
    m_form.MenuPages->hide();
  });
}
