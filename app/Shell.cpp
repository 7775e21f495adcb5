#include "app/Shell.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QToolTip>
#include <algorithm>

#include "platform/SystemPlatform.h"
#include "questions/QuestionFile.h"
#include "storage/ScrambleFile.h"
#include "ui/Durations.h"
#include "ui/Fonts.h"
#include "ui/InputGate.h"
#include "ui/Lifetime.h"
#include "ui/MenuScreens.h"
#include "ui/MessagePanels.h"
#include "ui/Pacing.h"
#include "ui/ScaledStage.h"
#include "ui/ShellParts.h"
#include "ui/ShellServices.h"
#include "ui/TBGFrm.h"
#include "ui/TMainFrm.h"
#include "ui/Theme.h"

namespace {

// The game's look where the desktop style decides: hints wait a second, passwords show
// stars, and the one scroll bar (the players' list) is 30 pixels wide with square buttons.
class GameStyle : public QProxyStyle {
 public:
  GameStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return durations::HintDelay;
    if (hint == SH_LineEdit_PasswordCharacter) return u'*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_ScrollBarExtent) return 30;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

QString shelltext::resolutionMessage() {
  return QString::fromUtf8(
      "Wykryta została rozdzielczość ekranu mniejsza niż\n"
      "800 x 600. Gra FORTUNIAK wymaga większej rozdzielczości,\n"
      "więc musi zostać zamknięta. Zmień rozdzielczość ekranu na\n"
      "większą i uruchom grę ponownie.");
}

QString shelltext::resolutionCaption() { return QString::fromUtf8("Zła rozdzielczość!"); }

QString shelltext::noWritableFolder(const QString& folder) {
  return QString::fromUtf8(
             "Gra nie ma gdzie zapisywać swoich plików: nie może pisać w swoim folderze ani "
             "utworzyć folderu „%1”. Zwolnij miejsce na dysku albo sprawdź prawa zapisu, a potem "
             "uruchom grę ponownie.")
      .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

Shell::Shell(platform::SystemPlatform& platform, ShellServices& services)
    : m_platform(platform), m_services(services) {}

Shell::~Shell() = default;

void Shell::beforeApplication() {
  m_services.createSoundThread();
  m_context.TestMode = m_platform.developmentWindowVisible();
  m_context.DataFileName =
      QString::fromUtf8(m_context.TestMode ? appinfo::TestDataFile : appinfo::DataFile);
  m_services.resetCurrentPlayer();
}

bool Shell::afterApplication(const QString& gameDir) {
  const QString dir = QDir(gameDir).absolutePath() + QDir::separator();
  return afterApplication(GameFolders{dir, dir});
}

bool Shell::afterApplication(const GameFolders& folders) {
  lifetime::installSignalHandlers();
  installGameFonts();
  // The style carries the hint delay; set before any widget exists so none is polished twice.
  QApplication::setStyle(new GameStyle);
  m_context.ScreenSizeAtStart = m_platform.screenMetrics();
  if (m_display == Display::SwitchMode) checkResolution();
  createWindows();
  m_mainFrm->showPage(m_mainFrm->tsAnim);
  if (m_display != Display::SwitchMode) {
    showScaledStage();
  } else {
    if (!m_context.TestMode) {
      m_bgFrm->move(0, 0);
      m_bgFrm->resize(m_context.ScreenSizeAtStart.width, m_context.ScreenSizeAtStart.height);
      m_mainFrm->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    m_bgFrm->FormShow(m_context.ScreenSizeAtStart);
  }
  m_bgFrm->show();
  QCoreApplication::processEvents();
  if (!MainFrmFormShow(folders)) {  // a file the game needs could not be made
    FormDestroy();
    return false;
  }
  return true;
}

// The display is left as it is: the scene is scaled to fill it instead.
void Shell::showScaledStage() {
  m_stage = std::make_unique<ScaledStage>(*m_bgFrm, *m_mainFrm);
  m_bgFrm->FormShow(m_context.ScreenSizeAtStart);  // hidden until the intro ends
  m_stage->setAreaChanged([this](QSize area) { m_bgFrm->showScene(area); });
  if (m_display == Display::Window) {
    placeWindow();
    m_stage->setCloseRequested([this] { btnCloseClick(); });  // as the background's "X"
    m_stage->show();
  } else {
    if (QScreen* screen = QApplication::primaryScreen()) m_stage->setGeometry(screen->geometry());
    m_stage->showFullScreen();
  }
  m_stage->setFocus();
}

// The largest whole multiple of 800 x 600 that fits the desktop's work area, centred in it.
void Shell::placeWindow() {
  QScreen* screen = QApplication::primaryScreen();
  const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  const int k = std::max(1, std::min(work.width() / ScaledStage::SceneWidth,
                                     work.height() / ScaledStage::SceneHeight));
  const QSize size(k * ScaledStage::SceneWidth, k * ScaledStage::SceneHeight);
  m_stage->resize(size);
  m_stage->move(work.center() - QPoint(size.width() / 2, size.height() / 2));
}

// The display is switched to 800 x 600 where that can be done. Where it cannot (a Wayland
// session, a server without that mode or one that refuses it) the scene is scaled to the
// screen instead, so the game never sits small in a corner of a large screen.
void Shell::checkResolution() {
  const auto screen = m_context.ScreenSizeAtStart;
  if (screen.width < 800 && screen.height < 600) {
    QMessageBox box(QMessageBox::Critical, shelltext::resolutionCaption(),
                    shelltext::resolutionMessage(), QMessageBox::Ok);
    box.exec();
    lifetime::requestTermination();
    return;
  }
  const platform::ScreenSize gameSize{800, 600};
  if (m_platform.developmentWindowVisible()) return;  // TestMode leaves the desktop alone
  if (waylandSession()) {
    m_display = Display::Scaled;
  } else if (screen != gameSize) {
    m_platform.SetScreenMode(gameSize.width, gameSize.height);
    if (m_platform.screenMetrics() != gameSize) m_display = Display::Scaled;
  }
}

bool Shell::waylandSession() {
  return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) ||
         m_platform.underWayland();
}

void Shell::createWindows() {
  m_gate = std::make_unique<InputGate>();
  m_pacing = m_makePacing ? m_makePacing(*m_gate) : std::make_unique<EventLoopPacing>(*m_gate);
  m_mainFrm = std::make_unique<TMainFrm>(m_handlers, *m_gate);
  m_panels = std::make_unique<MessagePanels>(*m_mainFrm, m_handlers, m_services);
  m_menu = std::make_unique<MenuScreens>(*m_mainFrm, m_handlers, m_services, *m_panels);
  m_bgFrm = std::make_unique<TBGFrm>(m_handlers);
  m_handlers.add(QStringLiteral("btnCloseClick"), [this] { btnCloseClick(); });
  ShellParts parts{m_context, *m_mainFrm, *m_bgFrm, m_handlers, *m_panels,
                   *m_menu,   *m_pacing,  *m_gate,  m_platform};
  m_services.buildScreens(parts);
  // Centred on the screen as it is after the display change.
  const auto screen = m_platform.screenMetrics();
  m_mainFrm->move((screen.width - m_mainFrm->width()) / 2,
                  (screen.height - m_mainFrm->height()) / 2);
  if (m_context.TestMode)
    m_bgFrm->move((screen.width - m_bgFrm->width()) / 2, (screen.height - m_bgFrm->height()) / 2);
}

void Shell::installHints() {
  QPalette hints = QToolTip::palette();
  hints.setColor(QPalette::ToolTipBase, theme::Orange);
  hints.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(hints);
}

bool Shell::MainFrmFormShow(const GameFolders& folders) {
  const QString title = appinfo::titleText();
  QApplication::setApplicationDisplayName(title);
  m_mainFrm->setWindowTitle(title);
  if (m_stage) m_stage->setWindowTitle(title);
  m_menu->setAppInfo(title);
  m_context.AppDir = folders.dataDir;
  m_context.QuestionsDir = folders.questionsDir;
  // The user's folder is made on first start.
  if (!QDir().mkpath(m_context.AppDir) || !gamefolders::canWriteIn(m_context.AppDir)) {
    startUpError(shelltext::noWritableFolder(m_context.AppDir));
    return false;
  }
  installHints();
  m_services.disableMovieInput();
  m_mainFrm->show();
  m_services.LoadOptions();
  m_services.ProfilesShow();
  m_menu->LoseShow();
  m_menu->MenuShow();
  m_services.PlayMovie(QStringLiteral("FILE2"));
  if (!makeQuestionsCopy()) return false;
  m_context.QuestionsTempPath = m_context.AppDir + QString::fromUtf8(appinfo::QuestionsTempFile);
  m_platform.SetSystemBeep(false);
  return true;
}

bool Shell::makeQuestionsCopy() {
  QString error;
  const QString source = m_context.QuestionsFilePath();
  const QString copy = m_context.AppDir + QString::fromUtf8(appinfo::QuestionsTempFile);
  // A file far larger than any question set is not read at all: the copy holds no question,
  // and the start of a game refuses it as a broken file.
  if (QFileInfo(source).size() > questionfile::MaxBytes) {
    QFile empty(copy);
    if (empty.open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;
  }
  if (ScrambleFile(source, copy, &error)) return true;
  startUpError(error);
  return false;
}

void Shell::startUpError(const QString& text) {
  QMessageBox box(QMessageBox::Critical, appinfo::titleText(), text, QMessageBox::Ok);
  box.exec();
}

int Shell::runAndShutDown() {
  // A termination asked for during start-up lets the loop handle one round of events only.
  if (lifetime::terminationRequested())
    QCoreApplication::processEvents();
  else
    QApplication::exec();
  FormDestroy();
  return 0;
}

void Shell::btnCloseClick() {
  if (m_mainFrm->shownPage() == u"tsGra") m_services.restoreSavedLamps();
  lifetime::requestTermination();
}

void Shell::FormDestroy() {
  if (m_destroyed) return;
  m_destroyed = true;
  // A game cut short (a signal, a closed terminal) gives the lock-key lights back as well.
  m_services.restoreSavedLamps();
  m_platform.SetScreenMode(m_context.ScreenSizeAtStart.width, m_context.ScreenSizeAtStart.height);
  // Before AppDir is known there is nothing of ours to delete (and no folder to delete it in).
  if (!m_context.AppDir.isEmpty())
    QFile::remove(m_context.AppDir + QString::fromUtf8(appinfo::QuestionsTempFile));
  if (!m_context.TestMode) m_platform.restoreTaskbar();
  m_services.SaveOptions();
  if (!m_context.AppDir.isEmpty())
    for (const char* movie : appinfo::MovieFiles)
      QFile::remove(m_context.AppDir + QString::fromUtf8(movie));
  m_platform.SetSystemBeep(true);
  // The windows go now, while the application object that they need still exists.
  m_services.releaseScreens();
  m_handlers.clear();
  m_menu.reset();
  m_panels.reset();
  m_stage.reset();  // gives the windows back before they go
  m_mainFrm.reset();
  m_bgFrm.reset();
  m_pacing.reset();
  m_gate.reset();
}
