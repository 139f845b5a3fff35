#include "core/ini_text.h"

#include <optional>
#include <vector>

namespace velmora {

namespace {

// Codes 1 to 32 count as blanks, as they do for the profile calls.
bool IsBlank(char c) { return c > 0 && static_cast<unsigned char>(c) <= 32; }

bool IsGbkLead(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u >= 0x81 && u <= 0xFE;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal but for the case of ASCII letters; the trail byte of a double-byte character is
// compared exactly even where it looks like a letter.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (IsGbkLead(a[i]) && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

// The position of the last single-byte `c` in s, skipping double-byte characters.
std::optional<size_t> FindLastChar(std::string_view s, char c) {
  std::optional<size_t> found;
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsGbkLead(s[i]) && i + 1 < s.size()) {
      ++i;
    } else if (s[i] == c) {
      found = i;
    }
  }
  return found;
}

// One line of the file: where it starts, where its text ends and where the next begins.
struct Line {
  size_t begin;
  size_t end;   // before the line break
  size_t next;  // after the line break
};

std::vector<Line> SplitLines(std::string_view file) {
  std::vector<Line> lines;
  size_t begin = 0;
  while (begin < file.size()) {
    const size_t feed = file.find('\n', begin);
    const size_t next = feed == std::string_view::npos ? file.size() : feed + 1;
    size_t end = feed == std::string_view::npos ? file.size() : feed;
    if (end > begin && file[end - 1] == '\r') --end;
    lines.push_back({begin, end, next});
    begin = next;
  }
  return lines;
}

// The section name of a "[name]" line (up to its last "]", blanks dropped), or nothing for
// another line.
std::optional<std::string_view> SectionName(std::string_view text) {
  text = TrimLeft(text);
  if (text.empty() || text.front() != '[') return std::nullopt;
  const std::optional<size_t> close = FindLastChar(text, ']');
  if (!close) return std::nullopt;
  return Trim(text.substr(1, *close - 1));
}

// A "name = value" line taken apart; a line without "=" is a name with no value.
struct Entry {
  std::string_view name;
  std::optional<size_t> equals;  // offset of "=" in the line's text
  std::string_view value;
};

Entry EntryOf(std::string_view text) {
  const std::string_view trimmed = Trim(text);
  const size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {trimmed, std::nullopt, {}};
  const size_t offset = static_cast<size_t>(trimmed.data() - text.data()) + equals;
  return {TrimRight(trimmed.substr(0, equals)), offset, TrimLeft(trimmed.substr(equals + 1))};
}

// Where a key stands in the file, if its section does.
struct Place {
  std::optional<size_t> section_line;  // index of the "[section]" line
  std::optional<size_t> key_line;      // index of the key's line inside that section
  size_t last_content_line = 0;        // the section's last line that is not blank
};

Place Locate(std::string_view file, const std::vector<Line>& lines, std::string_view section,
             std::string_view key) {
  Place place;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = file.substr(lines[i].begin, lines[i].end - lines[i].begin);
    if (const std::optional<std::string_view> name = SectionName(text)) {
      if (place.section_line) break;  // the section ends where the next one starts
      if (SameName(*name, section)) place.section_line = place.last_content_line = i;
      continue;
    }
    if (!place.section_line) continue;
    if (!Trim(text).empty()) place.last_content_line = i;
    if (!place.key_line && SameName(EntryOf(text).name, key)) place.key_line = i;
  }
  return place;
}

std::string_view DropQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

Text IniGetValue(std::string_view file, std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  if (section.empty() || key.empty()) return {};
  const std::vector<Line> lines = SplitLines(file);
  const Place place = Locate(file, lines, section, key);
  if (!place.key_line) return {};
  const Line& line = lines[*place.key_line];
  const std::string_view value =
      DropQuotes(EntryOf(file.substr(line.begin, line.end - line.begin)).value);
  return Text(value.substr(0, kMaxValueBytes));
}

std::string IniSetValue(std::string_view file, std::string_view section, std::string_view key,
                        std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  value = Trim(value);
  if (section.empty() || key.empty()) return std::string(file);
  const std::vector<Line> lines = SplitLines(file);
  const Place place = Locate(file, lines, section, key);
  std::string out;
  out.reserve(file.size() + section.size() + key.size() + value.size() + 8);

  if (place.key_line) {
    // Only the text after "=" changes; a key line without "=" gets one.
    const Line& line = lines[*place.key_line];
    const Entry entry = EntryOf(file.substr(line.begin, line.end - line.begin));
    const size_t keep = entry.equals ? line.begin + *entry.equals + 1 : line.end;
    out.append(file.substr(0, keep));
    if (!entry.equals) out += '=';
    out.append(value);
    out.append(file.substr(line.end));
    return out;
  }

  auto append_line_break_if_missing = [&out]() {
    if (!out.empty() && out.back() != '\n') out += "\r\n";
  };
  const std::string new_key = std::string(key) + "=" + std::string(value) + "\r\n";
  if (place.section_line) {
    const size_t insert_at = lines[place.last_content_line].next;
    out.append(file.substr(0, insert_at));
    append_line_break_if_missing();
    out += new_key;
    out.append(file.substr(insert_at));
    return out;
  }
  out.append(file);
  append_line_break_if_missing();
  out += "[" + std::string(section) + "]\r\n" + new_key;
  return out;
}

}  // namespace velmora
