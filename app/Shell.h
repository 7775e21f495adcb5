#pragma once

#include <functional>
#include <memory>

#include "app/GameFolders.h"
#include "ui/AppContext.h"
#include "ui/Handlers.h"

class InputGate;
class MenuScreens;
class MessagePanels;
class Pacing;
class ScaledStage;
class ShellServices;
class TBGFrm;
class TMainFrm;

namespace platform {
class SystemPlatform;
}

// Brings the game up and takes it down again, in the order the game relies on.
class Shell {
 public:
  Shell(platform::SystemPlatform& platform, ShellServices& services);
  ~Shell();

  // The pacing of the timed sequences; the game's own waits in the event loop unless a test
  // gives a clock of its own. Set before start-up.
  void setPacingFactory(std::function<std::unique_ptr<Pacing>(InputGate&)> make) {
    m_makePacing = std::move(make);
  }

  // How the game takes the screen; set before start-up.
  enum class Display {
    SwitchMode,  // the display switched to 800 x 600
    Scaled,      // the display left alone, the whole screen filled by the scene scaled
    Window,      // an ordinary desktop window, the scene scaled to its size
  };
  void setDisplay(Display display) { m_display = display; }

  // Start-up before the application object exists.
  void beforeApplication();
  // The rest of start-up, once the application object exists. False when start-up ended
  // with an error (the shutdown sequence has then already run).
  bool afterApplication(const GameFolders& folders);
  // The same with every file of the game in one folder.
  bool afterApplication(const QString& gameDir);
  // The message loop, then the shutdown sequence. Returns the exit code.
  int runAndShutDown();
  // The shutdown sequence; runs once.
  void FormDestroy();

  AppContext& context() { return m_context; }
  TMainFrm& mainFrm() { return *m_mainFrm; }
  TBGFrm& bgFrm() { return *m_bgFrm; }
  Handlers& handlers() { return m_handlers; }
  MessagePanels& panels() { return *m_panels; }
  InputGate& inputGate() { return *m_gate; }
  Pacing& pacing() { return *m_pacing; }
  ScaledStage* stage() { return m_stage.get(); }

 private:
  void checkResolution();
  bool waylandSession();
  void showScaledStage();
  void placeWindow();
  void createWindows();
  bool MainFrmFormShow(const GameFolders& folders);
  bool makeQuestionsCopy();
  static void startUpError(const QString& text);
  void btnCloseClick();
  void installHints();

  platform::SystemPlatform& m_platform;
  ShellServices& m_services;
  AppContext m_context;
  Handlers m_handlers;
  std::unique_ptr<InputGate> m_gate;
  std::unique_ptr<Pacing> m_pacing;
  std::unique_ptr<TMainFrm> m_mainFrm;
  std::unique_ptr<TBGFrm> m_bgFrm;
  std::unique_ptr<MessagePanels> m_panels;
  std::unique_ptr<MenuScreens> m_menu;
  // After the windows it shows: it goes first and gives them back.
  std::unique_ptr<ScaledStage> m_stage;
  std::function<std::unique_ptr<Pacing>(InputGate&)> m_makePacing;
  bool m_destroyed = false;
  Display m_display = Display::SwitchMode;
};

namespace shelltext {
// The four lines of the resolution message.
QString resolutionMessage();
QString resolutionCaption();
// Neither the game's folder nor the user's own folder can take the game's files.
QString noWritableFolder(const QString& folder);
}  // namespace shelltext
