#include "device/entry_windows.h"

#include "device/reparse_tag.h"

namespace device {

bool EntryInfo::link() const {
  return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsLinkReparseTag(reparse_tag);
}

bool LookAt(HANDLE opened, EntryInfo& entry) {
  FILE_ATTRIBUTE_TAG_INFO information{};
  if (!::GetFileInformationByHandleEx(opened, FileAttributeTagInfo, &information,
                                      sizeof information)) {
    return false;
  }
  entry.attributes = information.FileAttributes;
  entry.reparse_tag = information.ReparseTag;
  return true;
}

bool LookAt(const std::wstring& path, EntryInfo& entry) {
  entry = {};
  entry.attributes = ::GetFileAttributesW(path.c_str());
  if (entry.attributes == INVALID_FILE_ATTRIBUTES) return false;
  if ((entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
  // Only the entry itself tells its tag; the handle asks for no right that others' sharing could
  // refuse.
  const HANDLE opened = ::CreateFileW(
      path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  const bool looked = LookAt(opened, entry);
  const DWORD error = ::GetLastError();
  ::CloseHandle(opened);
  ::SetLastError(error);
  return looked;
}

}  // namespace device
