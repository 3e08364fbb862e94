#include "cli/history_entry.h"

#include <charconv>

#include "app/utf8_text.h"
#include "cli/json_reader.h"
#include "cli/output_text.h"

namespace cli {
namespace {

// The status of an entry that failed without saying how: a run-time failure.
constexpr int kUnknownFailure = 2;

// Device bytes from the Latin-1 characters they were written as; none where a character is not
// one.
std::optional<std::string> Latin1FromUtf8(std::string_view utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      bytes += utf8[i++];
    } else if ((lead == 0xc2 || lead == 0xc3) && i + 1 < utf8.size()) {
      bytes += static_cast<char>(((lead & 0x03) << 6) | (utf8[i + 1] & 0x3f));
      i += 2;
    } else {
      return std::nullopt;
    }
  }
  return bytes;
}

class JsonObject {
 public:
  void Add(std::string_view key, const std::string& json) {
    text_ += (text_.empty() ? "{" : ", ") + JsonString(key) + ": " + json;
  }
  void AddString(std::string_view key, std::string_view utf8) {
    if (!utf8.empty()) Add(key, JsonString(utf8));
  }
  void AddBytes(std::string_view key, const std::optional<std::string>& bytes) {
    if (bytes) Add(key, JsonString(app::Utf8FromLatin1(*bytes)));
  }
  std::string Text() const { return text_ + "}"; }

 private:
  std::string text_;
};

std::string StringMember(const JsonValue& object, std::string_view key) {
  const JsonValue* member = object.Member(key);
  const std::string* text = member != nullptr ? member->AsString() : nullptr;
  return text != nullptr ? *text : std::string();
}

std::optional<int> IntMember(const JsonValue& object, std::string_view key) {
  const JsonValue* member = object.Member(key);
  const auto* number = member != nullptr ? std::get_if<JsonValue::Number>(&member->value) : nullptr;
  int value = 0;
  if (number == nullptr) return std::nullopt;
  const char* end = number->text.data() + number->text.size();
  if (std::from_chars(number->text.data(), end, value).ptr != end) return std::nullopt;
  return value;
}

std::optional<std::string> BytesMember(const JsonValue& object, std::string_view key) {
  const JsonValue* member = object.Member(key);
  const std::string* text = member != nullptr ? member->AsString() : nullptr;
  return text != nullptr ? Latin1FromUtf8(*text) : std::nullopt;
}

}  // namespace

bool HistoryEntry::ChangedSettings() const {
  return status == 0 && settings_before && settings_after && *settings_before != *settings_after;
}

std::string HistoryJson(const HistoryEntry& entry) {
  JsonObject json;
  json.AddString("kind", entry.kind);
  json.AddString("when", entry.when);
  json.AddString("clock_set_to", entry.clock_set_to);
  if (entry.pc_clock_synchronised)
    json.Add("pc_clock_synchronised", *entry.pc_clock_synchronised ? "true" : "false");
  json.AddString("root", entry.root);
  json.AddString("volume_label", entry.volume_label);
  json.AddString("volume_serial", entry.volume_serial);
  if (entry.model) json.Add("model", std::to_string(*entry.model));
  json.AddString("version", entry.version);
  json.AddString("settings_file", entry.settings_file);
  json.AddBytes("settings_before", entry.settings_before);
  json.AddBytes("settings_after", entry.settings_after);
  json.Add("outcome", JsonString(entry.status == 0 ? "done" : "failed"));
  if (entry.status != 0) {
    json.Add("status", std::to_string(entry.status));
    json.AddString("message", entry.message);
  }
  return json.Text();
}

std::optional<HistoryEntry> ParseHistoryLine(std::string_view line) {
  const JsonReadResult read = ReadJson(line);
  if (!read.value || read.value->AsObject() == nullptr) return std::nullopt;
  const JsonValue& object = *read.value;
  HistoryEntry entry;
  entry.kind = StringMember(object, "kind");
  entry.when = StringMember(object, "when");
  if (entry.kind.empty() || entry.when.empty()) return std::nullopt;
  entry.clock_set_to = StringMember(object, "clock_set_to");
  if (const JsonValue* sync = object.Member("pc_clock_synchronised")) {
    if (const bool* value = std::get_if<bool>(&sync->value)) entry.pc_clock_synchronised = *value;
  }
  entry.root = StringMember(object, "root");
  entry.volume_label = StringMember(object, "volume_label");
  entry.volume_serial = StringMember(object, "volume_serial");
  entry.model = IntMember(object, "model");
  entry.version = StringMember(object, "version");
  entry.settings_file = StringMember(object, "settings_file");
  entry.settings_before = BytesMember(object, "settings_before");
  entry.settings_after = BytesMember(object, "settings_after");
  // An entry that does not say it was done counts as failed: nothing is undone after it.
  if (StringMember(object, "outcome") != "done") {
    entry.status = IntMember(object, "status").value_or(kUnknownFailure);
    if (entry.status == 0) entry.status = kUnknownFailure;
  }
  entry.message = StringMember(object, "message");
  return entry;
}

}  // namespace cli
