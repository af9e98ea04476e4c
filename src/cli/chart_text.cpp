#include "cli/chart_text.h"

#include <array>
#include <string_view>
#include <utility>

#include "astro/position_text.h"
#include "astro/signs.h"
#include "chart/position_texts.h"
#include "chart/varga_chart.h"
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

void SpecialLagnaTable(std::string& out, const SpecialLagnas& lagnas) {
  out += "Special Lagnas\n";
  for (const SpecialLagna lagna : kSpecialLagnas) {
    const SpecialLagnaPoint& point = lagnas[lagna];
    std::string value = "-";
    if (point.available) {
      value = FormatLongitude(point.longitude);
      value.append(value.size() < 18 ? 18 - value.size() : 1, ' ');
      value += "house " + std::to_string(point.house);
      if (point.wholeSign) value += " (sign)";
    }
    CaptionedLine(out, SpecialLagnaName(lagna), 16, value);
  }
}

}  // namespace

std::string FormatChartText(const ChartResult& chart) {
  return FormatChartText(chart, Varga::D1, nullptr);
}

std::string FormatChartText(const ChartResult& chart, Varga varga,
                            const SpecialLagnas* specialLagnas) {
  std::string out;
  Details(out, chart.details);
  out += kIndent;
  out += ConventionsLine(chart.conventions);
  out += "\n\n";
  Positions(out, chart.PositionTexts);
  out += '\n';
  if (specialLagnas != nullptr) {
    SpecialLagnaTable(out, *specialLagnas);
    out += '\n';
  }
  if (varga == Varga::D1) {
    out += "Hora\n";
    out += DrawSignGrid(chart.SignCells, chart.SpecialCells);
  } else {
    const VargaChart v = VargaChartOf(chart, varga);
    out += std::string(VargaCode(varga)) + " " + std::string(VargaTitle(varga)) + "\n";
    out += DrawSignGrid(v.SignCells, v.SpecialCells);
  }
  out += '\n';
  House(out, chart);
  return out;
}

}  // namespace velquor
