// libFuzzer target for the session-file reader: any bytes must parse to a
// checked value or be refused, never crash or read out of bounds, and a parsed
// value must write back to a file that parses to the same value.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "document/SessionFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  session::SessionData value;
  if (session::ParseSession(bytes, value) != session::ParseResult::Loaded) return 0;
  session::SessionData again;
  if (session::ParseSession(session::WriteSession(value), again) != session::ParseResult::Loaded ||
      !(again == value)) {
    std::abort();
  }
  return 0;
}
