#include "game/field_table.h"

namespace vantorix {

i32* findField(GameState& s, std::string_view name) {
  i32* found = nullptr;
  forEachField(s, [&](std::string_view fieldName, i32& value) {
    if (found == nullptr && fieldName == name) found = &value;
  });
  return found;
}

std::optional<i32> readField(const GameState& s, std::string_view name) {
  std::optional<i32> found;
  forEachField(s, [&](std::string_view fieldName, const i32& value) {
    if (!found && fieldName == name) found = value;
  });
  return found;
}

}  // namespace vantorix
