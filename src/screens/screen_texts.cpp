#include "screens/screen_texts.h"

#include <algorithm>
#include <optional>
#include <string>

#include "language/language.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/program_text.h"
#include "screens/screen_table.h"
#include "screens/waiting_window.h"

namespace screens {

bool ReadsAlikeInEveryLanguage(std::string_view text) {
  return !std::any_of(text.begin(), text.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           static_cast<unsigned char>(c) >= 0x80;
  });
}

namespace {

class Collector {
 public:
  void Add(std::string_view window, std::string_view control, std::string_view text) {
    if (ReadsAlikeInEveryLanguage(text)) return;
    const bool seen = std::any_of(texts_.begin(), texts_.end(), [&](const ScreenText& known) {
      return known.window == window && known.control == control && known.text == text;
    });
    if (!seen) texts_.push_back({window, control, text});
  }

  void AddWindow(const WindowLayout& window) {
    Add(window.name, {}, window.title);
    for (const Control& control : window.controls) Add(window.name, control.name, control.caption);
  }

  void AddSettings(const ScreenDescription& screen) {
    AddWindow(screen.window);
    for (const ListSetting& list : screen.lists) {
      for (const ListItem& item : list.items) Add(screen.window.name, list.list, item.text);
    }
    for (const LoadStep& step : screen.load_steps) {
      const auto* flag = std::get_if<FlagStep>(&step);
      if (flag == nullptr) continue;
      for (const auto& [digit, actions] : flag->outcomes) {
        for (const Action& action : actions) {
          if (action.kind == Action::Kind::kRelabel) {
            Add(screen.window.name, action.target, action.text);
          }
        }
      }
    }
  }

  std::vector<ScreenText> Take() { return std::move(texts_); }

 private:
  std::vector<ScreenText> texts_;
};

}  // namespace

std::vector<ScreenText> EveryScreenText() {
  Collector collector;
  collector.AddWindow(Form1());
  collector.AddWindow(Form2());
  collector.AddWindow(WaitingWindow());
  for (char code = '0'; code <= '9'; ++code) {
    const std::string line(device::kModelCodePosition + 1, code);
    const ShownScreen shown = ScreenFor(device::SettingsLine(line));
    if (shown.settings != nullptr) collector.AddSettings(*shown.settings);
  }
  return collector.Take();
}

CatalogueKey CatalogueKeyOf(std::string_view text) {
  if (text == kAppTitle || text == kProgramName) return {text, {}, {}};
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {text, {}, {}};
  const std::size_t end = text.find_last_not_of(' ') + 1;
  std::string_view key = text.substr(first, end - first);
  std::size_t after = end;
  const std::string version_suffix = " V" + std::string(kProgramVersion);
  if (key.size() > version_suffix.size() && key.ends_with(version_suffix)) {
    key.remove_suffix(version_suffix.size());
    after = first + key.size();
  }
  return {text.substr(0, first), key, text.substr(after)};
}

namespace {

// The translation of a screen text in the language in use, with its padding and version put
// back; none in English or where no catalogue has it.
std::optional<std::string> Translation(const ScreenText& text) {
  const CatalogueKey parts = CatalogueKeyOf(text.text);
  if (parts.key.empty()) return std::nullopt;
  std::vector<std::string> contexts;
  if (!text.control.empty()) {
    contexts.push_back(std::string(text.window) + "/" + std::string(text.control));
  }
  contexts.emplace_back(text.window);
  contexts.emplace_back();
  for (const std::string& context : contexts) {
    if (const auto found = language::TranslationIn(context, parts.key)) {
      return std::string(parts.before) + std::string(*found) + std::string(parts.after);
    }
  }
  return std::nullopt;
}

}  // namespace

std::string TranslatedScreenText(const ScreenText& text) {
  return Translation(text).value_or(std::string(text.text));
}

std::optional<std::string> TranslatedStateText(const ScreenText& text) {
  return Translation(text);
}

}  // namespace screens
