// Our INI reader and writer on any file bytes. A slot is saved with SaveSlot into a file
// held in memory. Every single write may change nothing but the line of its own key in the
// slot's section: it rewrites that line after its "=", or adds it after the section's last
// line, or adds the section with it at the end; the reader must then find the key on the
// very line the writer chose. Once the five are written, a load gives back each value as
// the profile calls would (blanks around it dropped, one pair of quotes dropped, cut to
// 10239 bytes) and leaves the other slot as it was, whenever no value holds a line feed:
// one that does is written as it is and makes lines of its own.
//
// Input: the five values, then a section and a key for one more read, each a
// FuzzedDataProvider string (ended by a backslash and any other byte; two backslashes stand
// for one), then the file's bytes. The last byte of the input is no part of the file:
// bit 0 picks slot "1" or "2", bits 1 to 3 a value (0 to 4; 5 to 7: none) that is padded
// in its middle to a size around the read limit, bits 4 to 7 that size.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/ini_text.h"
#include "core/preset_store.h"
#include "fuzz/fuzz_check.h"

namespace velmora {
namespace {

// A value that no input is likely to hold, to see which line the reader takes.
constexpr std::string_view kMarker = "velmora-fuzz-marker";

// Codes 1 to 32, the blanks of the profile calls.
bool IsBlank(char c) { return c > 0 && static_cast<unsigned char>(c) <= 32; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// What a read gives for a value written as `value`.
std::string ReadBackOf(std::string_view value) {
  value = Trim(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kMaxValueBytes));
}

size_t CommonPrefix(std::string_view a, std::string_view b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

size_t CommonSuffix(std::string_view a, std::string_view b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n]) ++n;
  return n;
}

// Where a line's text ends: before its line feed and one carriage return (a last line
// ending in a carriage return alone keeps it after its value too).
size_t TextEnd(std::string_view file, size_t line_begin) {
  size_t end = file.find('\n', line_begin);
  if (end == std::string_view::npos) end = file.size();
  if (end > line_begin && file[end - 1] == '\r') --end;
  return end;
}

// One write of `key` in `section` turned `before` into `after`. Everything outside the one
// line that changed or was added is the same, byte for byte, and the reader finds that line
// for the key: the same file with the marker written there in place of the value reads
// back the marker.
void CheckOneLineWritten(const std::string& before, const std::string& after,
                         std::string_view section, std::string_view key, std::string_view value) {
  value = Trim(value);
  section = Trim(section);
  key = Trim(key);
  auto reads_marker = [&](std::string_view file) {
    return IniGetValue(file, section, key) == kMarker;
  };
  auto entry = [&](std::string_view v) { return Join({key, "=", v, "\r\n"}); };
  // A last line without a line break gets one before anything is added after it.
  const std::string_view line_break = !before.empty() && before.back() != '\n' ? "\r\n" : "";

  // The section was missing: it is added at the end, holding the key.
  const std::string header = Join({"[", section, "]\r\n"});
  if (after == Join({before, line_break, header, entry(value)})) {
    FUZZ_CHECK(reads_marker(Join({before, line_break, header, entry(kMarker)})));
    return;
  }

  // Elsewhere the bytes before the change and after it are the same in both files.
  const size_t prefix = CommonPrefix(before, after);
  const size_t suffix = CommonSuffix(before, after);
  const size_t tail_from = before.size() - suffix;  // before[tail_from..] ends `after` too

  // The key was missing from the section: its line goes in at a line start.
  const std::string added = entry(value);
  if (!line_break.empty() && after == Join({before, line_break, added})) {
    FUZZ_CHECK(reads_marker(Join({before, line_break, entry(kMarker)})));
    return;
  }
  if (after.size() == before.size() + added.size()) {
    for (size_t at = tail_from; at <= prefix && at <= before.size(); ++at) {
      if (at > 0 && before[at - 1] != '\n') continue;
      if (after.compare(at, added.size(), added) != 0) continue;
      const std::string_view b = before;
      if (reads_marker(Join({b.substr(0, at), entry(kMarker), b.substr(at)}))) return;
    }
  }

  // The key's line is rewritten after its first "=", or gets one. Candidates begin no
  // later than the first change and end no earlier than the unchanged tail.
  for (size_t begin = 0; begin <= prefix && begin < before.size();) {
    const size_t text_end = TextEnd(before, begin);
    const size_t feed = before.find('\n', begin);
    const size_t next = feed == std::string::npos ? before.size() : feed + 1;
    if (text_end >= tail_from) {
      const std::string_view b = before;
      const std::string_view text = b.substr(begin, text_end - begin);
      const size_t equals = text.find('=');
      const std::string kept = equals == std::string_view::npos
                                   ? Join({text, "="})
                                   : std::string(text.substr(0, equals + 1));
      if (after.size() == begin + kept.size() + value.size() + (before.size() - text_end) &&
          after.compare(begin, kept.size(), kept) == 0 &&
          after.compare(begin + kept.size(), value.size(), value) == 0 &&
          reads_marker(Join({b.substr(0, begin), kept, kMarker, b.substr(text_end)}))) {
        return;
      }
    }
    if (next == before.size()) break;
    begin = next;
  }
  FUZZ_CHECK(!"the write changed more than its key's line");
}

// The settings file in memory, read and written by our INI code; every write is checked.
class MemoryProfile : public ProfileStrings {
 public:
  explicit MemoryProfile(std::string file) : file_(std::move(file)) {}

  const std::string& file() const { return file_; }

  Text Read(const Text& section, const Text& key) override {
    return IniGetValue(file_, section, key);
  }

  bool Write(const Text& section, const Text& key, const Text& value) override {
    std::string after = IniSetValue(file_, section, key, value);
    CheckOneLineWritten(file_, after, section, key, value);
    file_ = std::move(after);
    return true;
  }

 private:
  std::string file_;
};

// Pads the value in its middle with "x" up to `size` bytes; an empty value stays empty.
void Stretch(Text& value, size_t size) {
  if (value.empty() || value.size() >= size) return;
  value.insert(value.size() / 2, size - value.size(), 'x');
}

}  // namespace
}  // namespace velmora

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  FuzzedDataProvider input(data, size);
  const uint8_t choice = input.ConsumeIntegral<uint8_t>();
  const char* slot = choice & 1 ? "2" : "1";
  const char* other_slot = choice & 1 ? "1" : "2";
  Settings values;
  for (Text& value : values) value = input.ConsumeRandomLengthString();
  const std::string read_section = input.ConsumeRandomLengthString();
  const std::string read_key = input.ConsumeRandomLengthString();
  const int stretched = (choice >> 1) & 7;
  if (stretched < kSettingCount) Stretch(values[stretched], kMaxValueBytes - 3 + (choice >> 4));

  MemoryProfile profile(input.ConsumeRemainingBytesAsString());
  FUZZ_CHECK(IniGetValue(profile.file(), read_section, read_key).size() <= kMaxValueBytes);
  const Settings other_before = LoadSlot(other_slot, profile);

  FUZZ_CHECK(SaveSlot(slot, values, profile));

  FUZZ_CHECK(IniGetValue(profile.file(), read_section, read_key).size() <= kMaxValueBytes);
  const bool line_feed = std::any_of(values.begin(), values.end(), [](const Text& value) {
    return Trim(value).find('\n') != std::string_view::npos;
  });
  if (line_feed) return 0;
  const Settings loaded = LoadSlot(slot, profile);
  for (int i = 0; i < kSettingCount; ++i) FUZZ_CHECK(loaded[i] == ReadBackOf(values[i]));
  FUZZ_CHECK(LoadSlot(other_slot, profile) == other_before);
  return 0;
}
