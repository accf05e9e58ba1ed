#include "tools/spritegen/file_io.h"

#include <fstream>
#include <iterator>

namespace vantorix::spritegen {

std::optional<std::string> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

namespace {

bool writeBytes(const std::filesystem::path& path, const char* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(data, static_cast<std::streamsize>(size));
  out.close();
  return !out.fail();
}

}  // namespace

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  return writeBytes(path, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool writeFile(const std::filesystem::path& path, const std::string& text) {
  return writeBytes(path, text.data(), text.size());
}

}  // namespace vantorix::spritegen
