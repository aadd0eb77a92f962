#include <gtest/gtest.h>

#include <random>

#include "foundation/numbers.h"
#include "foundation/vectors.h"

namespace orrery {
namespace {

TEST(CartesianToPolar, AxesAndTheOrigin) {
  Vec3 p;
  CartesianToPolar(p, {0, 0, 0});
  EXPECT_EQ(p.x, 0.0);
  EXPECT_EQ(p.y, 0.0);
  EXPECT_EQ(p.z, 0.0);
  CartesianToPolar(p, {0, 0, -1});
  EXPECT_EQ(p.x, 0.0);
  EXPECT_DOUBLE_EQ(p.y, 3 * HalfPi);
  EXPECT_EQ(p.z, 1.0);
  CartesianToPolar(p, {-1, 0, 0});
  EXPECT_DOUBLE_EQ(p.x, Pi);
  CartesianToPolar(p, {0, -1, 0});
  EXPECT_DOUBLE_EQ(p.x, 3 * HalfPi);
}

TEST(PolarConversions, RoundTripAgreesWithAtan2InEveryQuadrant) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> lon(-10.0, 10.0), lat(-1.5, 1.5), r(0.1, 40.0);
  for (int i = 0; i < 2000; ++i) {
    Vec3 polar{lon(random), lat(random), r(random)};
    Vec3 cartesian, back;
    PolarToCartesian(cartesian, polar);
    CartesianToPolar(back, cartesian);
    double expectedLon = std::atan2(cartesian.y, cartesian.x);
    if (expectedLon < 0) expectedLon += TwoPi;
    double expectedLat = polar.y < 0 ? polar.y + TwoPi : polar.y;
    ASSERT_NEAR(back.x, expectedLon, 1e-12);
    ASSERT_NEAR(back.y, expectedLat, 1e-12);
    ASSERT_NEAR(back.z, polar.z, 1e-12 * polar.z);
  }
}

TEST(FrameRotations, TurnTheFrameNotTheVector) {
  const double phi = 0.3;
  Vec3 v;
  MatTimesVec(v, RotZ(phi), {1, 0, 0});
  EXPECT_DOUBLE_EQ(v.x, std::cos(phi));
  EXPECT_DOUBLE_EQ(v.y, -std::sin(phi));
  EXPECT_EQ(v.z, 0.0);
  MatTimesVec(v, RotX(phi), {0, 1, 0});
  EXPECT_DOUBLE_EQ(v.y, std::cos(phi));
  EXPECT_DOUBLE_EQ(v.z, -std::sin(phi));
  MatTimesVec(v, RotY(phi), {0, 0, 1});
  EXPECT_DOUBLE_EQ(v.x, -std::sin(phi));
  EXPECT_DOUBLE_EQ(v.z, std::cos(phi));
  // The transpose undoes a rotation.
  Vec3 back;
  VecTimesMat(back, v, RotY(phi));
  EXPECT_NEAR(back.x, 0.0, 1e-16);
  EXPECT_NEAR(back.z, 1.0, 1e-16);
}

TEST(MatrixProducts, OutputMayAliasEitherInput) {
  Mat3 a = RotX(0.4), b = RotZ(-1.1), expected, aliased;
  MatTimesMat(expected, a, b);
  aliased = a;
  MatTimesMat(aliased, aliased, b);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(aliased.m[i][j], expected.m[i][j]);
  aliased = b;
  MatTimesMat(aliased, a, aliased);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(aliased.m[i][j], expected.m[i][j]);
  Vec3 v{1, 2, 3};
  MatTimesVec(v, a, v);
  Vec3 w;
  MatTimesVec(w, a, {1, 2, 3});
  EXPECT_EQ(v.x, w.x);
  EXPECT_EQ(v.y, w.y);
  EXPECT_EQ(v.z, w.z);
}

TEST(VectorBasics, UnitScaleCrossAndMatrixElementwise) {
  EXPECT_EQ(Unit(Vec2{0, 0}).x, 0.0);
  Vec2 u = Unit(Vec2{3, 4});
  EXPECT_DOUBLE_EQ(u.x, 0.6);
  EXPECT_DOUBLE_EQ(u.y, 0.8);
  Vec2 s{1e-8, 2};
  Scale(s, 1e-8);
  EXPECT_EQ(s.x, 0.0);  // 1e-16 falls under the tiny threshold
  EXPECT_DOUBLE_EQ(s.y, 2e-8);
  Vec2 sw{1, 2};
  Swap(sw);
  EXPECT_EQ(sw.x, 2.0);
  Vec3 c = Cross({1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(c.z, 1.0);
  EXPECT_NEAR(Angle(Vec3{1, 0, 0}, Vec3{0, 0, 2}), HalfPi, 1e-15);
  Mat3 sum;
  Add(Identity(), Identity(), sum);
  EXPECT_EQ(sum.m[1][1], 2.0);
  Subtract(sum, Identity(), sum);
  EXPECT_EQ(sum.m[2][2], 1.0);
  Mat3 t = RotZ(0.5);
  Transpose(t);
  EXPECT_EQ(t.m[0][1], RotZ(0.5).m[1][0]);
}

}  // namespace
}  // namespace orrery
