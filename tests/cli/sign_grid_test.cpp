#include "cli/sign_grid.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velquor {
namespace {

// The grid as lines of code points (each box-drawing character one column).
std::vector<std::u32string> Lines(const std::string& grid) {
  std::vector<std::u32string> lines(1);
  for (std::size_t i = 0; i < grid.size();) {
    const auto lead = static_cast<unsigned char>(grid[i]);
    if (lead == '\n') {
      lines.emplace_back();
      ++i;
      continue;
    }
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (grid[i + k] & 0x3F);
    lines.back() += code;
    i += length;
  }
  EXPECT_TRUE(lines.back().empty()) << "the grid ends with a line end";
  lines.pop_back();
  return lines;
}

std::u32string Ascii(std::string_view text) { return std::u32string(text.begin(), text.end()); }

struct Place { std::size_t line, column; };

Place Find(const std::vector<std::u32string>& lines, std::string_view text) {
  for (std::size_t line = 0; line < lines.size(); ++line) {
    const std::size_t column = lines[line].find(Ascii(text));
    if (column != std::u32string::npos) return {line, column};
  }
  ADD_FAILURE() << text << " not in the grid";
  return {0, 0};
}

TEST(SignGrid, SignsRunClockwiseFromPiscesAtTheTopLeft) {
  const auto lines = Lines(DrawSignGrid({}, {}));
  const char* rows[4][4] = {{"Pisces", "Aries", "Taurus", "Gemini"},
                            {"Aquarius", nullptr, nullptr, "Cancer"},
                            {"Capricorn", nullptr, nullptr, "Leo"},
                            {"Sagittarius", "Scorpio", "Libra", "Virgo"}};
  std::size_t previousLine = 0;
  for (std::size_t row = 0; row < 4; ++row) {
    const Place first = Find(lines, rows[row][0]);
    EXPECT_TRUE(row == 0 || first.line > previousLine) << rows[row][0];
    previousLine = first.line;
    std::size_t previousColumn = 0;
    for (std::size_t column = 0; column < 4; ++column) {
      if (!rows[row][column]) continue;
      const Place place = Find(lines, rows[row][column]);
      EXPECT_EQ(place.line, first.line) << rows[row][column];
      EXPECT_TRUE(column == 0 || place.column > previousColumn) << rows[row][column];
      previousColumn = place.column;
    }
  }
  // The right column lines up under Gemini, the bottom row's columns under the top row's.
  EXPECT_EQ(Find(lines, "Cancer").column, Find(lines, "Gemini").column);
  EXPECT_EQ(Find(lines, "Scorpio").column, Find(lines, "Aries").column);
}

TEST(SignGrid, BoxesAreClosedAndTheCentreIsOneBox) {
  const auto lines = Lines(DrawSignGrid({}, {}));
  for (const auto& line : lines) EXPECT_EQ(line.size(), lines.front().size());
  EXPECT_EQ(lines.front().front(), U'┌');
  EXPECT_EQ(lines.front().back(), U'┐');
  EXPECT_EQ(lines.back().front(), U'└');
  EXPECT_EQ(lines.back().back(), U'┘');
  // The line between the middle rows crosses the outer columns only.
  const Place capricorn = Find(lines, "Capricorn");
  const std::u32string& between = lines[capricorn.line - 1];
  EXPECT_EQ(between.front(), U'├');
  EXPECT_EQ(between.back(), U'┤');
  const std::size_t centre = between.size() / 2;
  EXPECT_EQ(between[centre], U' ');
  EXPECT_EQ(between.find(U'┼'), std::u32string::npos);
}

TEST(SignGrid, CellsListTheirBodiesAndThePranapadaTag) {
  std::array<std::string, 12> signs;
  std::array<std::string, 12> special;
  signs[10] = "\r\nSun\r\nMercury";           // Aquarius
  signs[6] = "\r\nSaturn (R) \r\nKetu";       // Libra
  signs[4] = "\r\nAsc";                       // Leo
  special[8] = "\r\n\r\n\r\nPpL";             // Sagittarius, after two empty tags
  special[3] = "\r\n\r\n";                    // Cancer: empty tags only
  const auto lines = Lines(DrawSignGrid(signs, special));

  const struct { const char* sign; std::vector<const char*> bodies; } cells[] = {
      {"Aquarius", {"Sun", "Mercury"}}, {"Libra", {"Saturn (R)", "Ketu"}}, {"Leo", {"Asc"}}};
  for (const auto& cell : cells) {
    const Place name = Find(lines, cell.sign);
    for (std::size_t i = 0; i < cell.bodies.size(); ++i) {
      EXPECT_EQ(lines[name.line + 1 + i].find(Ascii(cell.bodies[i])), name.column) << cell.sign;
    }
  }
  const Place sagittarius = Find(lines, "Sagittarius");
  const Place tag = Find(lines, "PpL");
  EXPECT_EQ(tag.line, sagittarius.line);
  EXPECT_GT(tag.column, sagittarius.column);
  EXPECT_LT(tag.column, Find(lines, "Scorpio").column);
  std::size_t tags = 0;
  for (const auto& line : lines) tags += line.find(U"PpL") != std::u32string::npos;
  EXPECT_EQ(tags, 1u);
}

TEST(SignGrid, RowsGrowWithTheirFullestCell) {
  std::array<std::string, 12> signs;
  const auto emptyHeight = Lines(DrawSignGrid(signs, {})).size();
  signs[0] = "\r\nSun\r\nMoon\r\nMercury\r\nVenus";  // Aries, top row
  EXPECT_EQ(Lines(DrawSignGrid(signs, {})).size(), emptyHeight + 4);
}

}  // namespace
}  // namespace velquor
