#include "ui/win32/startup_shortcut.h"

// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>

#include <filesystem>

#include "device/removable_drives.h"
#include "device/root_search.h"
#include "screens/program_text.h"
#include "ui/win32/text.h"

namespace ui::win32 {
namespace {

constexpr wchar_t kShortcutName[] = L"date_time.cfg Creator (watch).lnk";

// One argument as CommandLineToArgvW reads it back: quoted where it holds a blank or a quote.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

// The program for the shortcut: the windowed .exe, which opens no console at a login, also when
// the console .com beside it is the one running.
std::filesystem::path ProgramForShortcut() {
  const std::filesystem::path program = device::ExecutablePath();
  if (program.empty()) return {};
  std::filesystem::path windowed = program;
  windowed.replace_extension(L".exe");
  std::error_code error;
  return std::filesystem::is_regular_file(windowed, error) ? windowed : program;
}

// The shortcut's path, or an empty one where it could not be saved.
std::filesystem::path SaveStartupShortcut(const std::filesystem::path& program,
                                          const std::wstring& arguments) {
  PWSTR folder = nullptr;
  if (FAILED(::SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder))) {
    return {};
  }
  const std::filesystem::path shortcut = std::filesystem::path(folder) / kShortcutName;
  ::CoTaskMemFree(folder);
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
    return {};
  }
  link->SetPath(program.c_str());
  link->SetArguments(arguments.c_str());
  link->SetWorkingDirectory(program.parent_path().c_str());
  link->SetDescription(L"Sets the clock of every voice recorder plugged in");
  IPersistFile* file = nullptr;
  HRESULT saved = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(saved)) {
    saved = file->Save(shortcut.c_str(), TRUE);
    file->Release();
  }
  link->Release();
  return SUCCEEDED(saved) ? shortcut : std::filesystem::path();
}

}  // namespace

void OfferStartAtEveryLogin(HWND window, const std::vector<std::wstring>& watch_arguments) {
  const std::wstring title = WideFromUtf8(screens::kProgramName);
  const std::filesystem::path program = ProgramForShortcut();
  if (program.empty()) return;
  if (device::OnRecorderVolume(program.parent_path())) {
    const std::wstring text =
        L"This program runs from a removable drive (" + program.root_path().wstring() +
        L"), which may not be plugged in at the next login.\n\nCopy " +
        program.filename().wstring() +
        L" to a folder on the PC, start it there with --watch, and choose \"Start watching at "
        L"every login\" on its icon again.";
    ::MessageBoxW(window, text.c_str(), title.c_str(), MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
    return;
  }
  std::wstring arguments;
  for (const std::wstring& argument : watch_arguments) {
    if (!arguments.empty()) arguments += L' ';
    arguments += Quoted(argument);
  }
  const std::wstring question =
      L"Start watching for recorders at every login?\n\nA shortcut to\n" + program.wstring() +
      L"\nwith\n" + arguments +
      L"\nwill be put in your Startup folder. To stop this, delete the shortcut there (Win+R, "
      L"shell:startup).";
  if (::MessageBoxW(window, question.c_str(), title.c_str(),
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES) {
    return;
  }
  const std::filesystem::path shortcut = SaveStartupShortcut(program, arguments);
  const std::wstring answer =
      shortcut.empty() ? std::wstring(L"The shortcut could not be made in the Startup folder.")
                       : L"The watch will start at every login:\n" + shortcut.wstring();
  ::MessageBoxW(window, answer.c_str(), title.c_str(),
                MB_OK | MB_SETFOREGROUND | (shortcut.empty() ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace ui::win32
