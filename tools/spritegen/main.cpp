// vantorix-spritegen: turns the sprite sources into the game's bitmaps, its
// icon and the pixel table the game links in.
#include <iostream>
#include <string>
#include <vector>

#include "tools/spritegen/spritegen.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vantorix::spritegen::runSpritegen(arguments, std::cerr);
}
