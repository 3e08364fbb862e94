// Linked into every test program that runs the program's writes or a watch: their history goes to
// a folder of the test program's own, never to the user's, and on Linux so does a watch's lock, so
// that test programs run side by side never find another's watch running.

#include <cstdlib>
#include <filesystem>

#include "support/temp_folder.h"

namespace {

struct PrivateUserFolders {
  PrivateUserFolders() {
#ifdef _WIN32
    _wputenv_s(L"LOCALAPPDATA", state.root().c_str());
#else
    setenv("XDG_STATE_HOME", state.root().c_str(), 1);
    // The lock's folder must be the user's alone, as a session's runtime folder is.
    std::filesystem::permissions(runtime.root(), std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.root().c_str(), 1);
#endif
  }
  support::TempFolder state{"history-"};
  support::TempFolder runtime{"runtime-"};
};

const PrivateUserFolders private_user_folders;

}  // namespace
