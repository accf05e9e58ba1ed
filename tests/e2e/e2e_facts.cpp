// Prints what the SDL program's end-to-end cases must know of it as shell
// assignments (`eval "$(vantorix-e2e-facts)"`), taken from the code itself:
// where the menu and the boxes are drawn and in which colours, the statuses
// it exits with, the commands and keys as its recordings name them.
#include <cstdio>
#include <string>
#include <string_view>

#include "app/game.h"
#include "app/sdl/box_layout.h"
#include "app/sdl/file_recording.h"
#include "app/sdl/look.h"
#include "app/sdl/menu_layout.h"
#include "app/sdl/options.h"
#include "app/sdl/view_fit.h"
#include "app/shell/key_map.h"
#include "app/texts.h"
#include "render/client_area.h"
#include "render/lettering.h"
#include "script/player.h"
#include "script/words.h"

namespace {

using namespace vantorix;

void print(std::string_view name, std::string_view value) {
  std::printf("%.*s='%.*s'\n", static_cast<int>(name.size()), name.data(),
              static_cast<int>(value.size()), value.data());
}

void print(std::string_view name, int value) {
  print(name, std::to_string(value));
}

// "r,g,b", as the cases read a pixel off a screenshot.
void print(std::string_view name, sdl::Colour colour) {
  print(name, std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
                  std::to_string(colour.blue));
}

// "x y width height".
void print(std::string_view name, const sdl::Rect& rect) {
  print(name, std::to_string(rect.x) + " " + std::to_string(rect.y) + " " +
                  std::to_string(rect.width) + " " + std::to_string(rect.height));
}

// A box's frame and its first button, in field pixels.
void printBox(std::string_view name, const texts::BoxText& text, BoxButtons buttons) {
  const sdl::BoxLayout layout = sdl::layOutBox(shell::MessageBox(text.text, text.caption, buttons));
  const std::string prefix = "box_" + std::string(name);
  print(prefix, layout.frame);
  print(prefix + "_button", layout.buttons[0]);
}

}  // namespace

int main() {
  print("client_width", kClientWidth);
  print("client_height", kClientHeight);
  print("bar_height", sdl::kMenuBarHeight);
  print("menu_title", sdl::menuTitleRect());
  for (int item = 0; item < shell::kMenuItemCount; ++item) {
    print("menu_item" + std::to_string(item), sdl::menuItemRect(item));
  }
  print("colour_face", sdl::look::kFace);
  print("colour_title_selected", sdl::look::kTitleSelected);
  print("colour_popup", sdl::look::kPopup);
  print("colour_item_selected", sdl::look::kItemSelected);
  print("colour_box_frame", sdl::look::kBoxFrame);
  print("colour_warning", sdl::look::kWarning);
  print("notice_width", textWidth(texts::kRecordingFailed));

  printBox("start", texts::kStartBox, BoxButtons::kOk);
  printBox("quit", texts::kQuitBox, BoxButtons::kYesNo);
  printBox("loss", texts::kLossBox, BoxButtons::kOk);
  printBox("continue", texts::kContinueBox, BoxButtons::kYesNo);
  // The smallest window the program asks for: the field shrunk in it, and
  // where the boxes' field pixel (0, 0) lies, the boxes keeping their size.
  print("smallest_window", std::to_string(sdl::kSmallestWindowWidth) + "x" +
                               std::to_string(sdl::kSmallestWindowHeight));
  const sdl::ViewFit smallest =
      sdl::fitField(sdl::kSmallestWindowWidth, sdl::kSmallestWindowHeight);
  print("smallest_field", smallest.field);
  print("smallest_boxes",
        std::to_string(smallest.boxes.left) + " " + std::to_string(smallest.boxes.top));

  print("command_start", kCommandStart);
  print("command_quit", kCommandQuit);
  print("exit_malformed", kMalformedScriptExit);
  print("exit_differs", kReplayDiffersExit);
  print("exit_recording_failed", sdl::kRecordingFailedExit);
  print("usage", sdl::kUsage);

  // Each key's `key` line in a recording, by its DOM code: key_line_KeyA.
  for (const shell::KeyPlace& key : shell::kKeyPlaces) {
    if (key.virtualKey == 0) continue;
    const std::string_view word = keyWord(key.virtualKey);
    print("key_line_" + std::string(key.domCode),
          "key " + (word.empty() ? std::to_string(key.virtualKey) : std::string(word)));
  }
  return 0;
}
