#pragma once

struct AppContext;
class Handlers;
class InputGate;
class MenuScreens;
class MessagePanels;
class Pacing;
class TBGFrm;
class TMainFrm;

namespace platform {
class SystemPlatform;
}

// What the shell has built when the windows exist; subsystems add their screens to it.
struct ShellParts {
  const AppContext& context;
  TMainFrm& form;
  TBGFrm& background;
  Handlers& handlers;
  MessagePanels& panels;
  MenuScreens& menu;
  Pacing& pacing;
  InputGate& gate;
  platform::SystemPlatform& platform;
};
