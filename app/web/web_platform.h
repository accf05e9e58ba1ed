// The game's platform services in the browser: each one is a call to the page.
#pragma once

#include <string_view>

#include "app/platform.h"

namespace vantorix::web {

class WebPlatform final : public Platform {
 public:
  void startGameTimer() override;
  void stopGameTimer() override;
  int showMessageBox(std::string_view text, std::string_view caption, BoxButtons buttons) override;
  void invalidate() override;
  void postQuit(int exitCode) override;
};

}  // namespace vantorix::web
