#include "foundation/vectors.h"

#include "foundation/angles.h"
#include "foundation/numbers.h"

namespace orrery {

Vec2 Clamp(Vec2 a) { return {ClampTiny(a.x), ClampTiny(a.y)}; }
void Swap(Vec2& a) { a = {a.y, a.x}; }
void Negate(Vec2& a) { a = {-a.x, -a.y}; }
Vec2 Add(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
Vec2 Subtract(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
double Norm(Vec2 a) { return Sqrt(a.x * a.x + a.y * a.y); }

Vec2 Unit(Vec2 a) {
  double n = Norm(a);
  if (n == 0.0) return {0.0, 0.0};
  return Clamp(Vec2{a.x / n, a.y / n});
}

void Scale(Vec2& a, double s) { a = Clamp(Vec2{a.x * s, a.y * s}); }
double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
double Angle(Vec2 a, Vec2 b) { return Acos(Dot(a, b) / (Norm(a) * Norm(b))); }

Vec3 Clamp(Vec3 a) { return {ClampTiny(a.x), ClampTiny(a.y), ClampTiny(a.z)}; }
void Negate(Vec3& a) { a = {-a.x, -a.y, -a.z}; }
Vec3 Add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Subtract(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Norm(Vec3 a) { return Sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Vec3 Unit(Vec3 a) {
  double n = Norm(a);
  if (n == 0.0) return {0.0, 0.0, 0.0};
  return Clamp(Vec3{a.x / n, a.y / n, a.z / n});
}

void Scale(Vec3& a, double s) { a = Clamp(Vec3{a.x * s, a.y * s, a.z * s}); }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Angle(Vec3 a, Vec3 b) { return Acos(Dot(a, b) / (Norm(a) * Norm(b))); }

Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void PolarToCartesian(Vec3& out, const Vec3& in) {
  double cosLat = Cos(in.y);
  double radius = in.z;
  double x = Cos(in.x) * cosLat * radius;
  double y = Sin(in.x) * cosLat * radius;
  double z = Sin(in.y) * radius;
  out = {x, y, z};
}

void CartesianToPolar(Vec3& out, const Vec3& in) {
  const double x = in.x, y = in.y, z = in.z;
  double rho = Sqrt(x * x + y * y);
  double r = Norm(in);
  double longitude = 0.0;
  if (x != 0.0 || y != 0.0) {
    // Half-angle form of the azimuth: no two-argument arctangent needed.
    double p = 2.0 * Atan(y / ((x < 0.0 ? -x : x) + rho));
    if (x >= 0.0) {
      longitude = y >= 0.0 ? p : TwoPi + p;
    } else {
      longitude = Pi - p;
    }
  }
  double latitude;
  if (rho == 0.0) {
    latitude = z < 0.0 ? -HalfPi : (z > 0.0 ? HalfPi : 0.0);
  } else {
    latitude = Atan(z / rho);
  }
  out = {Normalize2Pi(longitude), Normalize2Pi(latitude), r};
}

Mat3 ZeroMatrix() { return Mat3{}; }

Mat3 Identity() {
  Mat3 a{};
  a.m[0][0] = a.m[1][1] = a.m[2][2] = 1.0;
  return a;
}

Mat3 Clamp(const Mat3& a) {
  Mat3 out;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out.m[i][j] = ClampTiny(a.m[i][j]);
  return out;
}

Vec3 Column(const Mat3& a, int j) { return {a.m[0][j], a.m[1][j], a.m[2][j]}; }
Vec3 Row(const Mat3& a, int i) { return {a.m[i][0], a.m[i][1], a.m[i][2]}; }

void Negate(Mat3& a) { Scale(a, -1.0); }

void Scale(Mat3& a, double s) {
  for (auto& row : a.m)
    for (double& v : row) v *= s;
}

void Transpose(Mat3& a) {
  Mat3 t;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t.m[i][j] = a.m[j][i];
  a = t;
}

void Add(const Mat3& a, const Mat3& b, Mat3& out) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out.m[i][j] = a.m[i][j] + b.m[i][j];
}

void Subtract(const Mat3& a, const Mat3& b, Mat3& out) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out.m[i][j] = a.m[i][j] - b.m[i][j];
}

Mat3 RotX(double phi) {
  double c = Cos(phi), s = Sin(phi);
  return Mat3{{{1.0, 0.0, 0.0}, {0.0, c, s}, {0.0, -s, c}}};
}

Mat3 RotY(double phi) {
  double c = Cos(phi), s = Sin(phi);
  return Mat3{{{c, 0.0, -s}, {0.0, 1.0, 0.0}, {s, 0.0, c}}};
}

Mat3 RotZ(double phi) {
  double c = Cos(phi), s = Sin(phi);
  return Mat3{{{c, s, 0.0}, {-s, c, 0.0}, {0.0, 0.0, 1.0}}};
}

void MatTimesVec(Vec3& out, const Mat3& m, const Vec3& v) {
  const Vec3 in = v;
  out = {m.m[0][0] * in.x + m.m[0][1] * in.y + m.m[0][2] * in.z,
         m.m[1][0] * in.x + m.m[1][1] * in.y + m.m[1][2] * in.z,
         m.m[2][0] * in.x + m.m[2][1] * in.y + m.m[2][2] * in.z};
}

void VecTimesMat(Vec3& out, const Vec3& v, const Mat3& m) {
  const Vec3 in = v;
  out = {in.x * m.m[0][0] + in.y * m.m[1][0] + in.z * m.m[2][0],
         in.x * m.m[0][1] + in.y * m.m[1][1] + in.z * m.m[2][1],
         in.x * m.m[0][2] + in.y * m.m[1][2] + in.z * m.m[2][2]};
}

void MatTimesMat(Mat3& out, const Mat3& a, const Mat3& b) {
  Mat3 r;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
  out = r;
}

}  // namespace orrery
