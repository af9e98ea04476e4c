// Colours and sizes of the result window's chart, in one place.
#pragma once

#include <QColor>
#include <QSize>
#include <array>

#include "render/render_colours.h"

namespace velquor::ChartStyle {

// The screen's chart has the printed page's paper, ink and lines; its faint ink, accent and
// tint are lighter than print needs.
inline const QColor& kPaper = RenderColours::kPaper;
inline const QColor& kInk = RenderColours::kInk;
inline const QColor& kLine = RenderColours::kLine;
inline const QColor kFaintInk{0x8a, 0x93, 0xa3};
inline const QColor kAccent{0xb3, 0x26, 0x1e};         // the "PpL" tag
inline const QColor kPranapadaTint{0xfb, 0xec, 0xdc};  // the cell it stands in
// The sign chart's square in every style, in device-independent pixels: the side it asks
// for, and the smallest, at which a crowded sign still reads (abbreviated, in columns).
inline const QSize kChartPreferred{480, 480};
inline const QSize kChartSmallest{400, 400};

// The birth-time strip. One calm colour per sign of the Pranapada Lagna, by sign index,
// light enough for black text; neighbouring signs far apart in hue, since consecutive bands
// show consecutive signs.
inline const std::array<QColor, 12> kSignBands = {{
    {0xf4, 0xc4, 0xbe},  // Aries: rose
    {0xc4, 0xe3, 0xbf},  // Taurus: sage
    {0xf7, 0xe6, 0xa1},  // Gemini: straw
    {0xbf, 0xd4, 0xf0},  // Cancer: cornflower
    {0xfb, 0xd1, 0x9f},  // Leo: apricot
    {0xd8, 0xcd, 0xef},  // Virgo: lavender
    {0xae, 0xe0, 0xd8},  // Libra: aqua
    {0xef, 0xc3, 0xdb},  // Scorpio: pink
    {0xdc, 0xe8, 0xa8},  // Sagittarius: lime
    {0xd2, 0xd7, 0xde},  // Capricorn: slate
    {0xb5, 0xdc, 0xf3},  // Aquarius: sky
    {0xe5, 0xd0, 0xb8},  // Pisces: sand
}};
inline const QColor kNoChartBand{0xe3, 0xe3, 0xe3};  // hatched in kFaintInk
inline const QColor kCheckFromAscendant{0x0f, 0x6b, 0x62};
inline const QColor kCheckFromMoon{0x5b, 0x3a, 0x9a};

}  // namespace velquor::ChartStyle
