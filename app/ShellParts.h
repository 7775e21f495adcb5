#pragma once

struct AppContext;
class Handlers;
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
  Pacing& pacing;
  platform::SystemPlatform& platform;
};
