#include <cstdlib>

#include "cli/history_file.h"
#include "device/system_error_windows.h"
#include "device/wide_text.h"
#include "device/windows_headers.h"
#include "language/language.h"

namespace cli {

std::optional<std::filesystem::path> HistoryPath() {
  const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || !std::filesystem::path(local).is_absolute()) return std::nullopt;
  return std::filesystem::path(local) / L"datetime-cfg-creator" / L"history.jsonl";
}

std::optional<std::string> AppendHistoryLine(const std::filesystem::path& file,
                                             std::string_view line) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  const std::string shown = device::Utf8FromWide(file.wstring());
  if (error) {
    return language::Fill(language::Translate("cannot make the folder of {1}: {2}"),
                          {shown, error.message()});
  }
  // Opened for appending only, every write goes to the file's end, also while another program
  // appends; a reparse point in its place is opened itself, never followed.
  const HANDLE out =
      ::CreateFileW(file.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (out == INVALID_HANDLE_VALUE)
    return language::Fill(language::Translate("cannot open {1}: {2}"),
                          {shown, device::SystemErrorText(::GetLastError())});
  const std::string text = std::string(line) + "\n";
  DWORD written = 0;
  const bool wrote =
      ::WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
  const DWORD failure = ::GetLastError();
  ::CloseHandle(out);
  if (!wrote) {
    return language::Fill(language::Translate("cannot write {1}: {2}"),
                          {shown, device::SystemErrorText(failure)});
  }
  if (written != text.size())
    return language::Fill(
        language::Translate("cannot write {1}: the disk took part of the line only"), {shown});
  return std::nullopt;
}

}  // namespace cli
