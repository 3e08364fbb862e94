#include "cli/headless_front_end.h"

namespace cli {

void HeadlessWindow::OnClick(std::string_view control, std::function<void()> handler) {
  handlers_.insert_or_assign(std::string(control), std::move(handler));
}

void HeadlessWindow::Click(std::string_view button) {
  const auto found = handlers_.find(button);
  if (found == handlers_.end()) return;
  // The handler may replace this window; its own copy keeps running.
  const std::function<void()> handler = found->second;
  handler();
}

}  // namespace cli
