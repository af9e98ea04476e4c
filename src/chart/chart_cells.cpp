#include "chart/chart_cells.h"

namespace velquor {

void AppendToCell(std::string& cell, std::string_view text) {
  cell += kCellLineBreak;
  cell += text;
}

}  // namespace velquor
