// Any bytes after "{\rtf1 ": the reader never fails, crashes or hangs, and
// what it reads survives being written and read again unchanged (after the
// first writing has made every font explicit).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "texteditor/rtf_reader.h"
#include "texteditor/rtf_writer.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavelao::texteditor;
  const std::string rtf = "{\\rtf1 " + std::string(reinterpret_cast<const char*>(data), size);
  auto first = ReadRtf(rtf);
  Require(first.ok());
  for (const Paragraph& p : first->paragraphs) {
    for (const TextRun& run : p.runs) Require(!run.text.empty() && run.style.points > 0);
  }
  auto once = ReadRtf(WriteRtf(*first));
  Require(once.ok());
  auto twice = ReadRtf(WriteRtf(*once));
  Require(twice.ok() && *twice == *once);
  return 0;
}
