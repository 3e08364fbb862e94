#include "ui/win32/folder_dialog.h"

#include <objbase.h>
#include <shobjidl.h>

#include "language/language.h"
#include "screens/program_text.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

// Releases a COM interface when it goes.
template <typename Interface>
struct Held {
  Interface* pointer = nullptr;
  ~Held() {
    if (pointer != nullptr) pointer->Release();
  }
};

}  // namespace

std::optional<std::filesystem::path> ChooseFolderModal(HWND owner) {
  // The dialog is a COM object; the thread may have joined an apartment already (S_FALSE), and
  // one of another kind (RPC_E_CHANGED_MODE) serves as well, but is not left by this call.
  const HRESULT joined = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<std::filesystem::path> chosen;
  {
    Held<IFileOpenDialog> dialog;
    if (SUCCEEDED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IFileOpenDialog,
                                     reinterpret_cast<void**>(&dialog.pointer)))) {
      FILEOPENDIALOGOPTIONS options = 0;
      dialog.pointer->GetOptions(&options);
      dialog.pointer->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM);
      const std::wstring title = WideFromUtf8(language::Translate(screens::kChooseFolderTitle));
      dialog.pointer->SetTitle(title.c_str());
      Held<IShellItem> item;
      if (SUCCEEDED(dialog.pointer->Show(owner)) &&
          SUCCEEDED(dialog.pointer->GetResult(&item.pointer))) {
        PWSTR path = nullptr;
        if (SUCCEEDED(item.pointer->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
          chosen = std::filesystem::path(path);
          ::CoTaskMemFree(path);
        }
      }
    }
  }
  if (SUCCEEDED(joined)) ::CoUninitialize();
  return chosen;
}

}  // namespace ui::win32
