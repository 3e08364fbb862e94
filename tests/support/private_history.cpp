// Linked into every test program that runs the program's writes: their history goes to a
// folder of the test program's own, never to the user's.

#include <cstdlib>

#include "support/temp_folder.h"

namespace {

struct PrivateHistory {
  PrivateHistory() {
#ifdef _WIN32
    _wputenv_s(L"LOCALAPPDATA", state.root().c_str());
#else
    setenv("XDG_STATE_HOME", state.root().c_str(), 1);
#endif
  }
  support::TempFolder state{"history-"};
};

const PrivateHistory private_history;

}  // namespace
