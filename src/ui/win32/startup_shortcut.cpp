#include "ui/win32/startup_shortcut.h"

// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/login_arguments.h"
#include "device/removable_drives.h"
#include "device/root_search.h"
#include "device/system_error_windows.h"
#include "device/wide_text.h"
#include "language/language.h"
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

// The system's text for a failure, as a sentence; its number where the system has no text for it.
std::string SystemText(HRESULT result) {
  const std::string text = device::SystemErrorText(static_cast<DWORD>(result));
  if (!text.empty()) return text + ".";
  char number[16];
  std::snprintf(number, sizeof number, "%08lX", static_cast<unsigned long>(result));
  return language::Fill(language::Translate("system error 0x{1}"), {number});
}

struct SavedShortcut {
  std::filesystem::path path;  // empty where it could not be saved
  HRESULT result = S_OK;       // why not
};

SavedShortcut SaveStartupShortcut(const std::filesystem::path& program,
                                  const std::wstring& arguments) {
  PWSTR folder = nullptr;
  HRESULT result = ::SHGetKnownFolderPath(FOLDERID_Startup, KF_FLAG_CREATE, nullptr, &folder);
  if (FAILED(result)) return {{}, result};
  const std::filesystem::path shortcut = std::filesystem::path(folder) / kShortcutName;
  ::CoTaskMemFree(folder);
  IShellLinkW* link = nullptr;
  result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link));
  if (FAILED(result)) return {{}, result};
  link->SetPath(program.c_str());
  link->SetArguments(arguments.c_str());
  link->SetWorkingDirectory(program.parent_path().c_str());
  const std::wstring description =
      WideFromUtf8(language::Translate("Sets the clock of every voice recorder plugged in"));
  link->SetDescription(description.c_str());
  IPersistFile* file = nullptr;
  result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(result)) {
    result = file->Save(shortcut.c_str(), TRUE);
    file->Release();
  }
  link->Release();
  return {SUCCEEDED(result) ? shortcut : std::filesystem::path(), result};
}

// What went wrong, and how to make the shortcut by hand.
std::wstring FailureText(HRESULT result, const std::filesystem::path& program,
                         const std::wstring& arguments) {
  return WideFromUtf8(language::Fill(
      language::Translate(
          "The shortcut could not be made in the Startup folder: {1}\n\nTo make it yourself: press "
          "Win+R, type shell:startup and press Enter. In the folder that opens, right-click, "
          "choose New > Shortcut, and give it\n\"{2}\" {3}\nas the location of the item."),
      {SystemText(result), device::Utf8FromWide(program.wstring()),
       device::Utf8FromWide(arguments)}));
}

// A message that something could not be done: on standard error too, as every such message.
void ShowProblem(HWND window, const std::wstring& text, const std::wstring& title, UINT icon) {
  std::cerr << device::Utf8FromWide(text) << std::endl;
  ::MessageBoxW(window, text.c_str(), title.c_str(), MB_OK | MB_SETFOREGROUND | icon);
}

}  // namespace

void OfferStartAtEveryLogin(HWND window, const std::vector<std::wstring>& watch_arguments) {
  const std::wstring title = WideFromUtf8(screens::kProgramName);
  const std::filesystem::path program = ProgramForShortcut();
  if (program.empty()) return;
  if (device::OnRecorderVolume(program.parent_path())) {
    const std::wstring text = WideFromUtf8(language::Fill(
        language::Translate(
            "This program runs from a removable drive ({1}), which may not be plugged in at the "
            "next login.\n\nCopy {2} to a folder on the PC, start it there with --watch, and "
            "choose \"Start watching at every login\" on its icon again."),
        {device::Utf8FromWide(program.root_path().wstring()),
         device::Utf8FromWide(program.filename().wstring())}));
    ShowProblem(window, text, title, MB_ICONWARNING);
    return;
  }
  // A login starts the watch in the program's folder: a profile named relative to the folder it
  // was started in would not be found.
  std::vector<std::string> utf8_arguments;
  for (const std::wstring& argument : watch_arguments)
    utf8_arguments.push_back(device::Utf8FromWide(argument));
  std::wstring arguments;
  for (const std::string& argument : cli::ArgumentsForLogin(utf8_arguments)) {
    if (!arguments.empty()) arguments += L' ';
    arguments += Quoted(WideFromUtf8(argument));
  }
  const std::wstring question = WideFromUtf8(language::Fill(
      language::Translate("Start watching for recorders at every login?\n\nA shortcut to\n{1}\n"
                          "with\n{2}\nwill be put in your Startup folder. To stop this, delete "
                          "the shortcut there (Win+R, shell:startup)."),
      {device::Utf8FromWide(program.wstring()), device::Utf8FromWide(arguments)}));
  if (::MessageBoxW(window, question.c_str(), title.c_str(),
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES) {
    return;
  }
  const SavedShortcut shortcut = SaveStartupShortcut(program, arguments);
  if (shortcut.path.empty()) {
    ShowProblem(window, FailureText(shortcut.result, program, arguments), title, MB_ICONERROR);
    return;
  }
  const std::wstring answer =
      WideFromUtf8(language::Fill(language::Translate("The watch will start at every login:\n{1}"),
                                  {device::Utf8FromWide(shortcut.path.wstring())}));
  ::MessageBoxW(window, answer.c_str(), title.c_str(),
                MB_OK | MB_SETFOREGROUND | MB_ICONINFORMATION);
}

}  // namespace ui::win32
