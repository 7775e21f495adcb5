#pragma once

#include "app/ShellServices.h"

// The subsystems the shell calls, as this game is composed. Each subsystem that joins the
// game overrides its operations here.
class GameServices : public ShellServices {};
