// Compiles a ten-language text table (UTF-8 TSV) into C++: an enum of named rows and the texts.
// Usage: fibwick-catgen <table.tsv> <EnumName> <out.h> <out.cpp>
//
// Table form: "#" starts a comment line; every other line is a constant name and ten texts,
// separated by tabs. In texts, \n \r \t \\ stand for a line feed, a carriage return, a tab
// and a backslash; everything else, leading and trailing blanks included, is taken as it stands.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int LanguageCount = 10;

struct Row {
  std::string name;
  std::vector<std::string> texts;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
  std::cerr << where << ": " << what << '\n';
  std::exit(1);
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const auto tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return parts;
    start = tab + 1;
  }
}

// Turns the table's escapes into a C++ string literal body.
std::string Literal(const std::string& text, const std::string& where) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      if (++i == text.size()) Fail(where, "a backslash ends the text");
      switch (text[i]) {
        case 'n':
          out += "\\n";
          break;
        case 'r':
          out += "\\r";
          break;
        case 't':
          out += "\\t";
          break;
        case '\\':
          out += "\\\\";
          break;
        default:
          Fail(where, std::string("unknown escape \\") + text[i]);
      }
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '?') {
      out += "\\?";  // no trigraph surprises
    } else {
      out += c;
    }
  }
  return out;
}

std::vector<Row> ReadTable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(path, "cannot open");
  std::vector<Row> rows;
  std::set<std::string> names;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const std::string where = path + ":" + std::to_string(number);
    auto parts = SplitTabs(line);
    if (parts.size() != LanguageCount + 1) {
      Fail(where, "expected a name and " + std::to_string(LanguageCount) + " texts, found " +
                      std::to_string(parts.size()) + " fields");
    }
    Row row{parts[0], {}};
    if (!names.insert(row.name).second) Fail(where, "name used twice: " + row.name);
    for (int k = 1; k <= LanguageCount; ++k) row.texts.push_back(Literal(parts[k], where));
    rows.push_back(std::move(row));
  }
  return rows;
}

void Write(const std::string& path, const std::string& content) {
  std::ifstream old(path, std::ios::binary);
  std::stringstream current;
  current << old.rdbuf();
  if (old && current.str() == content) return;  // unchanged: spare the rebuild
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) Fail(path, "cannot write");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    Fail("fibwick-catgen", "usage: fibwick-catgen table.tsv EnumName out.h out.cpp include/name.h");
  }
  const std::string table = argv[1], type = argv[2], header = argv[3], source = argv[4],
                    include = argv[5];
  const auto rows = ReadTable(table);

  std::ostringstream h;
  h << "// Generated from " << table << " by fibwick-catgen; edit the table, not this file.\n"
    << "#pragma once\n\n#include <cstdint>\n\nnamespace fibwick {\n\nenum " << type
    << " : std::uint16_t {\n";
  for (const auto& row : rows) h << "  " << row.name << ",\n";
  h << "};\n\ninline constexpr int " << type << "Count = " << rows.size() << ";\n\n"
    << "// Texts in UTF-8, ten per row in the order of the languages.\n"
    << "extern const char* const " << type << "Texts[" << type << "Count][" << LanguageCount
    << "];\n\n}  // namespace fibwick\n";

  std::ostringstream c;
  c << "// Generated from " << table << " by fibwick-catgen; edit the table, not this file.\n"
    << "#include \"" << include << "\"\n\nnamespace fibwick {\n\n"
    << "const char* const " << type << "Texts[" << type << "Count][" << LanguageCount << "] = {\n";
  for (const auto& row : rows) {
    c << "  {";
    for (const auto& text : row.texts) c << '"' << text << "\", ";
    c << "},\n";
  }
  c << "};\n\n}  // namespace fibwick\n";

  Write(header, h.str());
  Write(source, c.str());
  return 0;
}
