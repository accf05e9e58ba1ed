#include "app/web/web_platform.h"

#include <cstdint>

#include "app/web/page_imports.h"

namespace vantorix::web {

void WebPlatform::startGameTimer() {
  pageStartTimer();
}

void WebPlatform::stopGameTimer() {
  pageStopTimer();
}

int WebPlatform::showMessageBox(std::string_view text, std::string_view caption,
                                BoxButtons buttons) {
  // The texts are the program's own few words, far below 2 GB.
  return pageShowBox(text.data(), static_cast<std::int32_t>(text.size()), caption.data(),
                     static_cast<std::int32_t>(caption.size()), buttons == BoxButtons::kYesNo);
}

void WebPlatform::invalidate() {
  pageInvalidate();
}

void WebPlatform::postQuit(int exitCode) {
  pageQuit(exitCode);
}

}  // namespace vantorix::web
