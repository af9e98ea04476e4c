#include "cli/sign_grid.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "chart/sign_names.h"

namespace velquor {

namespace {

constexpr int kCentre = -1;

using Places = std::array<std::array<int, 4>, 4>;

// Sign index at each place of the grid, top row first: the South-Indian cells turned round.
constexpr Places PlacesOfSigns() {
  Places places{};
  for (auto& row : places) row.fill(kCentre);
  for (std::size_t sign = 0; sign < kSouthIndianCells.size(); ++sign) {
    const SouthIndianCell& cell = kSouthIndianCells[sign];
    places[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] =
        static_cast<int>(sign);
  }
  return places;
}

constexpr Places kPlaces = PlacesOfSigns();

constexpr std::string_view kTag = "PpL";

// Wide enough for "Sagittarius PpL", so that the grid keeps its size from chart to chart.
constexpr std::size_t kMinimumTextWidth = 15;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (;;) {
    const std::size_t end = text.find("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!line.empty()) lines.push_back(line);
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 2);
  }
}

// Lines drawn on each side of a point of the canvas.
enum Edge : unsigned char { kUp = 1, kDown = 2, kLeft = 4, kRight = 8 };

// Box-drawing character by the set of edges at a point.
constexpr std::array<std::string_view, 16> kJunctions = {" ", "│", "│", "│", "─", "┘", "┐", "┤",
                                                         "─", "└", "┌", "├", "─", "┴", "┬", "┼"};

class Canvas {
 public:
  Canvas(std::size_t height, std::size_t width)
      : width_(width), edges_(height * width, 0), text_(height * width, ' ') {}

  void Box(std::size_t top, std::size_t left, std::size_t bottom, std::size_t right) {
    for (std::size_t x = left; x < right; ++x) {
      Join(top, x, kRight, top, x + 1, kLeft);
      Join(bottom, x, kRight, bottom, x + 1, kLeft);
    }
    for (std::size_t y = top; y < bottom; ++y) {
      Join(y, left, kDown, y + 1, left, kUp);
      Join(y, right, kDown, y + 1, right, kUp);
    }
  }

  void Text(std::size_t y, std::size_t x, std::string_view text) {
    std::copy(text.begin(), text.end(),
              text_.begin() + static_cast<std::ptrdiff_t>(y * width_ + x));
  }

  std::string Render() const {
    std::string out;
    for (std::size_t i = 0; i < edges_.size(); ++i) {
      if (edges_[i] != 0) {
        out += kJunctions[edges_[i]];
      } else {
        out += text_[i];
      }
      if ((i + 1) % width_ == 0) out += '\n';
    }
    return out;
  }

 private:
  void Join(std::size_t y1, std::size_t x1, Edge e1, std::size_t y2, std::size_t x2, Edge e2) {
    edges_[y1 * width_ + x1] |= e1;
    edges_[y2 * width_ + x2] |= e2;
  }

  std::size_t width_;
  std::vector<unsigned char> edges_;
  std::string text_;
};

struct CellText {
  std::string_view name;
  bool tagged = false;
  std::vector<std::string_view> bodies;

  std::size_t Height() const { return 1 + bodies.size(); }
};

}  // namespace

std::string DrawSignGrid(const std::array<std::string, 12>& signCells,
                         const std::array<std::string, 12>& specialCells) {
  std::array<CellText, 12> cells;
  std::size_t textWidth = kMinimumTextWidth;
  for (std::size_t sign = 0; sign < cells.size(); ++sign) {
    CellText& cell = cells[sign];
    cell.name = kSignNames[sign];
    const auto tags = SplitLines(specialCells[sign]);
    cell.tagged = std::find(tags.begin(), tags.end(), kTag) != tags.end();
    cell.bodies = SplitLines(signCells[sign]);
    for (const std::string_view body : cell.bodies) textWidth = std::max(textWidth, body.size());
  }

  // One blank each side of the text inside a cell.
  const std::size_t cellWidth = textWidth + 2;
  std::array<std::size_t, 5> rowTop{};
  for (std::size_t row = 0; row < 4; ++row) {
    std::size_t height = 1;
    for (const int sign : kPlaces[row]) {
      if (sign != kCentre)
        height = std::max(height, cells[static_cast<std::size_t>(sign)].Height());
    }
    rowTop[row + 1] = rowTop[row] + height + 1;
  }
  const auto columnLeft = [&](std::size_t column) { return column * (cellWidth + 1); };

  Canvas canvas(rowTop[4] + 1, columnLeft(4) + 1);
  canvas.Box(rowTop[1], columnLeft(1), rowTop[3], columnLeft(3));
  for (std::size_t row = 0; row < 4; ++row) {
    for (std::size_t column = 0; column < 4; ++column) {
      const int sign = kPlaces[row][column];
      if (sign == kCentre) continue;
      const CellText& cell = cells[static_cast<std::size_t>(sign)];
      const std::size_t left = columnLeft(column);
      canvas.Box(rowTop[row], left, rowTop[row + 1], columnLeft(column + 1));
      canvas.Text(rowTop[row] + 1, left + 2, cell.name);
      if (cell.tagged) canvas.Text(rowTop[row] + 1, left + 1 + textWidth - kTag.size() + 1, kTag);
      for (std::size_t line = 0; line < cell.bodies.size(); ++line) {
        canvas.Text(rowTop[row] + 2 + line, left + 2, cell.bodies[line]);
      }
    }
  }
  return canvas.Render();
}

}  // namespace velquor
