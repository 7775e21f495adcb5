#pragma once

#include "players/Profile.h"

// The chosen player, for the whole run, and whose records the records screen opens on.
struct PlayerSession {
  Profile CurrentPlayer = AnonymousPlayer();
  QString RecordsOwner;
};
