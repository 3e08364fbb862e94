#include "cli/profile.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <system_error>

#include "app/utf8_path.h"
#include "app/utf8_text.h"
#include "cli/json_reader.h"
#include "cli/output_text.h"
#include "language/language.h"

namespace cli {
namespace {

using language::Fill;
using language::ToTranslate;
using language::Translate;
using Read = std::variant<Profile, std::string>;

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

// The line, from 1, that the byte at `at` lies on.
std::size_t LineAt(std::string_view text, std::size_t at) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + at, '\n'));
}

// Where the first byte that is not UTF-8 lies, if any.
std::optional<std::size_t> FirstNonUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = app::Utf8SequenceLength(text.substr(at));
    if (length == 0) return at;
    at += length;
  }
  return std::nullopt;
}

// "--profile "FILE": ", which begins every message about the file.
std::string AtFile(const std::string& file) {
  return "--profile \"" + file + "\": ";
}

std::string LineText(std::size_t line) {
  return Fill(Translate("line {1}"), {std::to_string(line)});
}

// The lines of a text profile: NAME=CHOICE, "#" comments and blank lines.
Read ParseText(const std::string& file, std::string_view text) {
  Profile profile{file, {}};
  std::size_t line = 0;
  for (std::size_t start = 0; start <= text.size(); ++line) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view content = text.substr(start, end - start);
    start = end + 1;
    if (content.ends_with('\r')) content.remove_suffix(1);
    const std::string tidy = Tidy(content);
    if (tidy.empty() || tidy.front() == '#') continue;
    const std::string where = LineText(line + 1);
    const std::size_t equals = tidy.find('=');
    const auto broken = [&](std::string_view why) {
      return AtFile(file) + where + ": " + Fill(Translate(why), {tidy});
    };
    if (equals == std::string::npos) return broken(ToTranslate("no \"=\" in \"{1}\""));
    SetRequest request{Tidy(tidy.substr(0, equals)), Tidy(tidy.substr(equals + 1))};
    if (request.name.empty())
      return broken(ToTranslate("no setting's name before \"=\" in \"{1}\""));
    if (request.choice.empty()) return broken(ToTranslate("no choice after \"=\" in \"{1}\""));
    profile.entries.push_back({std::move(request), where});
  }
  return profile;
}

// The settings of what --show --json printed for one recorder. Several lines of it, one a
// recorder, are refused: which recorder's settings to take cannot be told.
Read ParseJson(const std::string& file, std::string_view text) {
  const std::string at_file = AtFile(file);
  const JsonReadResult read = ReadJson(text);
  if (!read.value) {
    const std::size_t first_end = text.find('\n', text.find_first_not_of(" \t\r\n"));
    if (first_end != std::string_view::npos && ReadJson(text.substr(0, first_end)).value) {
      const std::size_t second = text.find_first_not_of(" \t\r\n", first_end);
      return at_file + LineText(LineAt(text, second)) + ": " +
             std::string(Translate("the settings of a second recorder; --show --json printed one "
                                   "line a recorder: keep the line of the one whose settings to "
                                   "use"));
    }
    return at_file + LineText(read.error_line) + ": " + read.error;
  }
  const std::string where = LineText(LineAt(text, text.find('{')));
  const std::string at_object = at_file + where + ": ";
  const JsonValue::Object* object = read.value->AsObject();
  if (object == nullptr)
    return at_object + std::string(Translate("not the object that --show --json prints"));
  if (const JsonValue* error = read.value->Member("error"); error && error->AsString()) {
    return at_object + Fill(Translate("no settings: the --show that printed it failed ({1})"),
                            {*error->AsString()});
  }
  const JsonValue* settings = read.value->Member("settings");
  if (settings == nullptr || settings->AsArray() == nullptr)
    return at_object + std::string(Translate("no \"settings\" list, as --show --json prints it"));
  Profile profile{file, {}};
  std::size_t number = 0;
  for (const JsonValue& setting : *settings->AsArray()) {
    const std::string place =
        // Translators: where in a profile: {1} the line, {2} the place of the setting in its list.
        Fill(Translate("line {1}, setting {2}"),
             {std::to_string(LineAt(text, text.find('{'))), std::to_string(++number)});
    const auto broken = [&](std::string_view why) {
      return at_file + place + ": " + std::string(Translate(why));
    };
    const JsonValue* name = setting.Member("name");
    const JsonValue* value = setting.Member("value");
    if (name == nullptr || name->AsString() == nullptr)
      return broken(ToTranslate("no \"name\" text"));
    if (value == nullptr) return broken(ToTranslate("no \"value\""));
    // A setting that shows no choice has none to give.
    if (std::holds_alternative<std::nullptr_t>(value->value)) continue;
    if (value->AsString() == nullptr) return broken(ToTranslate("its \"value\" is no text"));
    SetRequest request{Tidy(*name->AsString()), Tidy(*value->AsString())};
    if (request.name.empty() || request.choice.empty())
      return broken(ToTranslate("an empty \"name\" or \"value\""));
    profile.entries.push_back({std::move(request), place});
  }
  return profile;
}

// What NameNoScreenHas says of `request`, without the "--set "NAME=CHOICE": " it begins with.
std::string WithoutSetPrefix(const SetRequest& request, const std::string& message) {
  const std::string prefix = "--set \"" + request.name + "=" + request.choice + "\": ";
  return message.starts_with(prefix) ? message.substr(prefix.size()) : message;
}

// A profile whose entries every model's screens could take: each names a setting some screen
// has, and no name comes twice.
std::optional<std::string> CheckEntries(const Profile& profile) {
  std::set<std::string> names;
  for (const ProfileEntry& entry : profile.entries) {
    if (!names.insert(NameKey(entry.request.name)).second)
      return profile.Where(entry) +
             Fill(Translate("\"{1}\" is given a second time"), {entry.request.name});
    if (const auto unknown = NameNoScreenHas({entry.request}, NameForms::kEnglish))
      return profile.Where(entry) + WithoutSetPrefix(entry.request, *unknown);
  }
  return std::nullopt;
}

// The system's reason for the error that a failed open or read left in errno.
std::string LastErrorText() {
  return std::error_code(errno, std::generic_category()).message();
}

}  // namespace

std::string NameKey(std::string_view name) {
  std::string key = Tidy(name);
  for (char& c : key) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return key;
}

std::string Profile::Where(const ProfileEntry& entry) const {
  return AtFile(file) + entry.where + ": ";
}

Read ParseProfile(const std::string& file, std::string_view bytes) {
  std::string_view text = bytes;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (const auto wrong = FirstNonUtf8(text))
    return AtFile(file) + LineText(LineAt(text, *wrong)) + ": " +
           std::string(Translate("not UTF-8 text"));
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  Read read = first != std::string_view::npos && text[first] == '{' ? ParseJson(file, text)
                                                                    : ParseText(file, text);
  if (const Profile* profile = std::get_if<Profile>(&read)) {
    if (auto broken = CheckEntries(*profile)) return *broken;
  }
  return read;
}

Read ReadProfile(const std::string& file) {
  const std::string at_file = AtFile(file);
  const std::filesystem::path path = app::PathFromUtf8(file);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  const auto unreadable = [&at_file](const std::string& reason) {
    return at_file + Fill(Translate("cannot be read ({1})"), {reason});
  };
  if (error) return unreadable(error.message());
  if (std::filesystem::is_directory(status))
    return at_file + std::string(Translate("is a folder, not a file"));
  errno = 0;
  std::ifstream stream(path, std::ios::binary);
  if (!stream) return unreadable(LastErrorText());
  std::string bytes(kProfileSizeLimit + 1, '\0');
  stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (stream.bad()) return unreadable(LastErrorText());
  bytes.resize(static_cast<std::size_t>(stream.gcount()));
  if (bytes.size() > kProfileSizeLimit)
    return at_file +
           Fill(Translate("is larger than {1} KiB; a profile holds a recorder's settings"),
                {std::to_string(kProfileSizeLimit / 1024)});
  return ParseProfile(file, bytes);
}

}  // namespace cli
