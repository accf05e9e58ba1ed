#include "app/sdl/locale_setup.h"

#include <langinfo.h>

#include <strings.h>
#include <array>
#include <clocale>
#include <cstdlib>
#include <cstring>

namespace vantorix::sdl {

namespace {

bool isUtf8(const char* codeset) {
  return codeset != nullptr &&
         (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0);
}

}  // namespace

void ensureUtf8Locale() {
  std::setlocale(LC_ALL, "");
  if (isUtf8(nl_langinfo(CODESET))) return;
  constexpr std::array<const char*, 4> kCandidates{"C.UTF-8", "C.utf8", "en_US.UTF-8", "UTF-8"};
  for (const char* candidate : kCandidates) {
    if (std::setlocale(LC_CTYPE, candidate) == nullptr) continue;
    // A set LC_ALL overrides LC_CTYPE, so it is the one to replace then.
    const char* all = std::getenv("LC_ALL");
    setenv(all != nullptr && *all != '\0' ? "LC_ALL" : "LC_CTYPE", candidate, 1);
    return;
  }
}

}  // namespace vantorix::sdl
