// Where each style puts the signs and houses: the shapes tile the chart without overlapping,
// every text box and label lies inside its shape, and the houses and signs stand where
// each style's readers look for them, for every ascendant.
#include <gtest/gtest.h>

#include <cmath>

#include "render/diagram_style.h"
#include "render/house_shapes.h"

namespace velquor {
namespace {

double Area(const QPolygonF& polygon) {
  double twice = 0;
  for (qsizetype i = 0; i + 1 < polygon.size(); ++i)
    twice += polygon[i].x() * polygon[i + 1].y() - polygon[i + 1].x() * polygon[i].y();
  return std::abs(twice) / 2;
}

bool Inside(const QPolygonF& polygon, QPointF point) {
  return polygon.containsPoint(point, Qt::OddEvenFill);
}

// The sign index whose shape holds `point`, or -1.
int SignAt(const std::array<HouseShape, 12>& shapes, QPointF point) {
  for (int sign = 0; sign < 12; ++sign)
    if (Inside(shapes[static_cast<std::size_t>(sign)].outline, point)) return sign;
  return -1;
}

TEST(DiagramStyle, NamesReadBack) {
  for (DiagramStyle style : kDiagramStyles) EXPECT_EQ(DiagramStyleNamed(NameOf(style)), style);
  for (const char* other : {"", "South", "west", "south ", "northern"})
    EXPECT_FALSE(DiagramStyleNamed(other).has_value()) << other;
  EXPECT_EQ(TitleOf(DiagramStyle::North), "North-Indian");
}

struct Tiling {
  DiagramStyle style;
  double coveredArea;  // of the unit square; the rest is the empty middle
};

class HouseShapesTiling : public ::testing::TestWithParam<Tiling> {};

TEST_P(HouseShapesTiling, ShapesTileTheChartAndHoldTheirTexts) {
  const Tiling tiling = GetParam();
  for (int ascendant = 0; ascendant < 12; ++ascendant) {
    const std::array<HouseShape, 12> shapes = HouseShapes(tiling.style, ascendant);
    double area = 0;
    for (int sign = 0; sign < 12; ++sign) {
      const HouseShape& shape = shapes[static_cast<std::size_t>(sign)];
      SCOPED_TRACE(testing::Message() << "ascendant " << ascendant << ", sign " << sign);
      area += Area(shape.outline);
      EXPECT_EQ(shape.house, (sign - ascendant + 12) % 12 + 1);
      for (QPointF corner : {shape.textBox.topLeft(), shape.textBox.topRight(),
                             shape.textBox.bottomLeft(), shape.textBox.bottomRight()})
        EXPECT_TRUE(Inside(shape.outline, corner)) << corner.x() << ", " << corner.y();
      EXPECT_TRUE(Inside(shape.outline, shape.labelPoint));
      EXPECT_FALSE(shape.textBox.contains(shape.labelPoint));
    }
    EXPECT_NEAR(area, tiling.coveredArea, 1e-9);
    // No point of the chart lies in two shapes (points off every edge of the grids).
    for (int i = 0; i < 40; ++i)
      for (int j = 0; j < 40; ++j) {
        const QPointF point((i + 0.37) / 40, (j + 0.61) / 40);
        int holders = 0;
        for (const HouseShape& shape : shapes) holders += Inside(shape.outline, point) ? 1 : 0;
        ASSERT_LE(holders, 1) << point.x() << ", " << point.y();
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, HouseShapesTiling,
                         ::testing::Values(Tiling{DiagramStyle::South, 12.0 / 16},
                                           Tiling{DiagramStyle::North, 1.0},
                                           Tiling{DiagramStyle::East, 8.0 / 9}));

struct Place {
  DiagramStyle style;
  QPointF point;
  int sign;   // sign index there whatever the ascendant; -1 where the house stays instead
  int house;  // house there whatever the ascendant; 0 where the sign stays instead
};

TEST(HouseShapes, SignsAndHousesStandWhereEachStyleKeepsThem) {
  const Place places[] = {
      // South-Indian: clockwise from Aries, second in the top row.
      {DiagramStyle::South, {0.375, 0.125}, 0, 0},
      {DiagramStyle::South, {0.875, 0.375}, 3, 0},
      {DiagramStyle::South, {0.625, 0.875}, 6, 0},
      {DiagramStyle::South, {0.125, 0.125}, 11, 0},
      // East-Indian: counter-clockwise from Aries at the top middle, corners cut in two.
      {DiagramStyle::East, {0.5, 0.17}, 0, 0},
      {DiagramStyle::East, {0.25, 0.05}, 1, 0},
      {DiagramStyle::East, {0.05, 0.25}, 2, 0},
      {DiagramStyle::East, {0.17, 0.5}, 3, 0},
      {DiagramStyle::East, {0.5, 0.83}, 6, 0},
      {DiagramStyle::East, {0.83, 0.5}, 9, 0},
      {DiagramStyle::East, {0.75, 0.05}, 11, 0},
      // North-Indian: the ascendant's house at the top, the houses counter-clockwise.
      {DiagramStyle::North, {0.5, 0.2}, -1, 1},
      {DiagramStyle::North, {0.25, 0.05}, -1, 2},
      {DiagramStyle::North, {0.05, 0.25}, -1, 3},
      {DiagramStyle::North, {0.2, 0.5}, -1, 4},
      {DiagramStyle::North, {0.5, 0.8}, -1, 7},
      {DiagramStyle::North, {0.8, 0.5}, -1, 10},
      {DiagramStyle::North, {0.75, 0.05}, -1, 12},
  };
  for (const Place& place : places) {
    for (int ascendant = 0; ascendant < 12; ++ascendant) {
      const std::array<HouseShape, 12> shapes = HouseShapes(place.style, ascendant);
      const int sign = SignAt(shapes, place.point);
      SCOPED_TRACE(testing::Message() << NameOf(place.style) << " at " << place.point.x() << ", "
                                      << place.point.y() << ", ascendant " << ascendant);
      ASSERT_GE(sign, 0);
      if (place.sign >= 0) {
        EXPECT_EQ(sign, place.sign);
      }
      if (place.house > 0) {
        EXPECT_EQ(shapes[static_cast<std::size_t>(sign)].house, place.house);
      }
    }
  }
}

TEST(HouseShapes, AscendantOutsideItsRangeWraps) {
  EXPECT_EQ(HouseShapes(DiagramStyle::North, 13)[1].house, 1);
  EXPECT_EQ(HouseShapes(DiagramStyle::North, -1)[11].house, 1);
}

}  // namespace
}  // namespace velquor
