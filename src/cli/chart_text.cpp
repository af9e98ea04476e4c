#include "cli/chart_text.h"

#include <array>
#include <string_view>
#include <utility>

#include "chart/position_texts.h"
#include "cli/printable_text.h"
#include "cli/sign_grid.h"

namespace velquor {

namespace {

constexpr std::size_t kTextWidth = 78;
constexpr std::string_view kIndent = "  ";

void CaptionedLine(std::string& out, std::string_view caption, std::size_t captionWidth,
                   std::string_view value) {
  out += kIndent;
  out += caption;
  out.append(captionWidth > caption.size() ? captionWidth - caption.size() : 1, ' ');
  out += value;
  out += '\n';
}

// Words of `text` on lines of at most kTextWidth characters (a longer word stands alone).
void WrappedText(std::string& out, std::string_view text) {
  std::size_t lineLength = 0;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::string_view word = text.substr(0, text.find(' '));
    text.remove_prefix(word.size());
    if (lineLength > 0 && lineLength + 1 + word.size() > kTextWidth) {
      out += '\n';
      lineLength = 0;
    }
    if (lineLength == 0) {
      out += kIndent;
      lineLength = kIndent.size();
    } else {
      out += ' ';
      ++lineLength;
    }
    out += word;
    lineLength += word.size();
  }
  out += '\n';
}

void Details(std::string& out, const DetailTexts& details) {
  const std::pair<std::string_view, const std::string&> rows[] = {
      {"Date of Birth :", details.dob},   {"Time of Birth :", details.tob},
      {"Longitude :", details.longitude}, {"Latitude   :", details.latitude},
      {"City :", details.city},           {"State :", details.state},
      {"Country :", details.country}};
  out += "Your Details\n";
  out += kIndent;
  // The name and the place are the user's own texts: no control character of theirs
  // reaches the terminal.
  out += PrintableText(details.name);
  out += '\n';
  for (const auto& [caption, value] : rows) CaptionedLine(out, caption, 16, PrintableText(value));
}

void Positions(std::string& out, const std::array<std::string, 10>& texts) {
  out += "Vedic Planetary Position\n";
  for (std::size_t body = 0; body < texts.size(); ++body) {
    CaptionedLine(out, kPositionCaptions[body], 18, texts[body]);
  }
}

void House(std::string& out, const ChartResult& chart) {
  out += "Pranapada Lagna Present House Significance\n";
  out += kIndent;
  out += "Pranapada Lagna signifies the energy that you have in life.\n";
  out += kIndent;
  out += "House " + std::to_string(chart.pranapada.House) + "\n";
  out += kIndent;
  out += "Significance\n";
  WrappedText(out, chart.HouseText);
}

}  // namespace

std::string FormatChartText(const ChartResult& chart) {
  std::string out;
  Details(out, chart.details);
  out += kIndent;
  out += ConventionsLine(chart.conventions);
  out += "\n\n";
  Positions(out, chart.PositionTexts);
  out += '\n';
  out += "Hora\n";
  out += DrawSignGrid(chart.SignCells, chart.SpecialCells);
  out += '\n';
  House(out, chart);
  return out;
}

}  // namespace velquor
