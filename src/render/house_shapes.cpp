#include "render/house_shapes.h"

#include "chart/sign_names.h"

namespace velquor {

namespace {

constexpr double kThird = 1.0 / 3.0;
// Room kept between a text box and its outline, in chart sides.
constexpr double kInset = 0.012;

int Wrapped(int sign) { return ((sign % 12) + 12) % 12; }

QRectF Inset(const QRectF& box) { return box.adjusted(kInset, kInset, -kInset, -kInset); }

// A South-Indian cell at grid column and row 0..3: bodies in its upper part, the sign's
// label at its bottom right, as on the screen.
HouseShape GridCell(int column, int row, double cell) {
  const QRectF square(column * cell, row * cell, cell, cell);
  HouseShape shape;
  shape.outline = QPolygonF(square);
  shape.textBox = Inset(square.adjusted(0, 0, 0, -0.22 * cell));
  shape.labelPoint = square.bottomRight() - QPointF(0.22 * cell, 0.11 * cell);
  return shape;
}

// A right-angled triangle of the East-Indian corners, with its right angle at `right`, its
// vertex at the chart's middle `inner` and its vertex at the chart's corner `outer`. The
// bodies take the rectangle between the right angle and the long side's middle; the label
// stands in the leftover corner by the inner vertex.
HouseShape CornerTriangle(QPointF right, QPointF inner, QPointF outer) {
  HouseShape shape;
  shape.outline = QPolygonF({right, inner, outer, right});
  const QPointF middle = (inner + outer) / 2;
  shape.textBox = Inset(QRectF(right, middle).normalized());
  shape.labelPoint = (middle + (right + inner) / 2 + inner) / 3;
  return shape;
}

std::array<HouseShape, 12> SouthShapes() {
  std::array<HouseShape, 12> shapes;
  for (std::size_t sign = 0; sign < 12; ++sign)
    shapes[sign] = GridCell(kSouthIndianCells[sign].column, kSouthIndianCells[sign].row, 0.25);
  return shapes;
}

std::array<HouseShape, 12> EastShapes() {
  const auto square = [](int column, int row) {
    const QRectF cell(column * kThird, row * kThird, kThird, kThird);
    HouseShape shape;
    shape.outline = QPolygonF(cell);
    shape.textBox = Inset(cell.adjusted(0, 0, 0, -0.2 * kThird));
    shape.labelPoint = cell.bottomRight() - QPointF(0.5 * kThird, 0.1 * kThird);
    return shape;
  };
  const double a = kThird, b = 2 * kThird;
  // Counter-clockwise from Aries at the top middle; each corner cell is cut by the line
  // from the chart's corner to the middle cell's corner.
  return {{
      square(1, 0),                            // Aries
      CornerTriangle({a, 0}, {a, a}, {0, 0}),  // Taurus: top left, upper half
      CornerTriangle({0, a}, {a, a}, {0, 0}),  // Gemini: top left, left half
      square(0, 1),                            // Cancer
      CornerTriangle({0, b}, {a, b}, {0, 1}),  // Leo: bottom left, left half
      CornerTriangle({a, 1}, {a, b}, {0, 1}),  // Virgo: bottom left, lower half
      square(1, 2),                            // Libra
      CornerTriangle({b, 1}, {b, b}, {1, 1}),  // Scorpio: bottom right, lower half
      CornerTriangle({1, b}, {b, b}, {1, 1}),  // Sagittarius: bottom right, right half
      square(2, 1),                            // Capricorn
      CornerTriangle({1, a}, {b, a}, {1, 0}),  // Aquarius: top right, right half
      CornerTriangle({b, 0}, {b, a}, {1, 0}),  // Pisces: top right, upper half
  }};
}

// The North-Indian houses 1..12 (index 0..11), counter-clockwise from the top diamond.
std::array<HouseShape, 12> NorthHouses() {
  const QPointF tl(0, 0), tr(1, 0), br(1, 1), bl(0, 1);
  const QPointF top(0.5, 0), right(1, 0.5), bottom(0.5, 1), left(0, 0.5), centre(0.5, 0.5);
  const QPointF p1(0.25, 0.25), p2(0.75, 0.25), p3(0.75, 0.75), p4(0.25, 0.75);
  const auto shape = [](std::initializer_list<QPointF> corners, QRectF box, QPointF label) {
    QPolygonF outline(corners);
    outline << outline.first();
    return HouseShape{0, outline, Inset(box), label};
  };
  const double q = 0.25, e = 0.125;
  // Diamonds take the square inscribed in them; triangles the widest rectangle along their
  // outer side. The sign number stands by the vertex towards the middle.
  return {{
      shape({top, p2, centre, p1}, {q + e, e, 2 * e, 2 * e}, {0.5, 0.44}),
      shape({tl, top, p1}, {e, 0, 2 * e, e}, {0.25, 0.2}),
      shape({tl, p1, left}, {0, e, e, 2 * e}, {0.2, 0.25}),
      shape({left, p1, centre, p4}, {e, q + e, 2 * e, 2 * e}, {0.44, 0.5}),
      shape({left, p4, bl}, {0, 0.5 + e, e, 2 * e}, {0.2, 0.75}),
      shape({bl, p4, bottom}, {e, 1 - e, 2 * e, e}, {0.25, 0.8}),
      shape({bottom, p4, centre, p3}, {q + e, 0.5 + e, 2 * e, 2 * e}, {0.5, 0.56}),
      shape({bottom, p3, br}, {0.5 + e, 1 - e, 2 * e, e}, {0.75, 0.8}),
      shape({br, p3, right}, {1 - e, 0.5 + e, e, 2 * e}, {0.8, 0.75}),
      shape({right, p3, centre, p2}, {0.5 + e, q + e, 2 * e, 2 * e}, {0.56, 0.5}),
      shape({right, p2, tr}, {1 - e, e, e, 2 * e}, {0.8, 0.25}),
      shape({tr, p2, top}, {0.5 + e, 0, 2 * e, e}, {0.75, 0.2}),
  }};
}

}  // namespace

std::array<HouseShape, 12> HouseShapes(DiagramStyle style, int ascendantSign) {
  const int ascendant = Wrapped(ascendantSign);
  std::array<HouseShape, 12> shapes;
  if (style == DiagramStyle::North) {
    const std::array<HouseShape, 12> houses = NorthHouses();
    for (int house = 1; house <= 12; ++house)
      shapes[static_cast<std::size_t>(Wrapped(ascendant + house - 1))] =
          houses[static_cast<std::size_t>(house - 1)];
  } else {
    shapes = style == DiagramStyle::South ? SouthShapes() : EastShapes();
  }
  for (int sign = 0; sign < 12; ++sign)
    shapes[static_cast<std::size_t>(sign)].house = Wrapped(sign - ascendant) + 1;
  return shapes;
}

QRectF DiagramCentre(DiagramStyle style) {
  switch (style) {
    case DiagramStyle::South:
      return {0.25, 0.25, 0.5, 0.5};
    case DiagramStyle::East:
      return {kThird, kThird, kThird, kThird};
    case DiagramStyle::North:
      break;
  }
  return {};
}

}  // namespace velquor
