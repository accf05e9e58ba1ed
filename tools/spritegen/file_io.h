// Whole-file reads and writes for the generator.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantorix::spritegen {

std::optional<std::string> readFile(const std::filesystem::path& path);

// False if the file could not be written completely.
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
bool writeFile(const std::filesystem::path& path, const std::string& text);

}  // namespace vantorix::spritegen
