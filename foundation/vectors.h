// Two- and three-component vectors, 3x3 matrices, the elementary frame
// rotations and the polar/cartesian conversions.
//
// A Vec3 holds either cartesian components (x, y, z) or a polar triple
// (longitude, latitude, radius) in radians; which one is meant is up to the
// operation that reads it. Operations with a separate output take it first
// (except matrix add and subtract, whose output comes last); an output may be
// the same record as an input. Results of square roots and trigonometric
// functions, and normalised or scaled components, pass through ClampTiny.
#pragma once

namespace orrery {

struct Vec2 {
  double x, y;
};

struct Vec3 {
  double x, y, z;
};

// Row-major: m[i][j] is row i, column j.
struct Mat3 {
  double m[3][3];
};

Vec2 Clamp(Vec2 a);
void Swap(Vec2& a);
void Negate(Vec2& a);
Vec2 Add(Vec2 a, Vec2 b);
Vec2 Subtract(Vec2 a, Vec2 b);
double Norm(Vec2 a);
// a / |a|, or (0, 0) when the norm is exactly 0.
Vec2 Unit(Vec2 a);
void Scale(Vec2& a, double s);
double Dot(Vec2 a, Vec2 b);
double Angle(Vec2 a, Vec2 b);

Vec3 Clamp(Vec3 a);
void Negate(Vec3& a);
Vec3 Add(Vec3 a, Vec3 b);
Vec3 Subtract(Vec3 a, Vec3 b);
double Norm(Vec3 a);
Vec3 Unit(Vec3 a);
void Scale(Vec3& a, double s);
double Dot(Vec3 a, Vec3 b);
double Angle(Vec3 a, Vec3 b);
Vec3 Cross(Vec3 a, Vec3 b);

// (longitude, latitude, radius) to (x, y, z).
void PolarToCartesian(Vec3& out, const Vec3& in);
// (x, y, z) to (longitude, latitude, radius); both angles reduced to [0, 2pi],
// so a negative latitude is stored as 2pi minus its magnitude.
void CartesianToPolar(Vec3& out, const Vec3& in);

Mat3 ZeroMatrix();
Mat3 Identity();
Mat3 Clamp(const Mat3& a);
Vec3 Column(const Mat3& a, int j);
Vec3 Row(const Mat3& a, int i);
void Negate(Mat3& a);
void Scale(Mat3& a, double s);
void Transpose(Mat3& a);
void Add(const Mat3& a, const Mat3& b, Mat3& out);
void Subtract(const Mat3& a, const Mat3& b, Mat3& out);

// Frame rotations: they turn the coordinate frame by phi, not the vector.
Mat3 RotX(double phi);
Mat3 RotY(double phi);
Mat3 RotZ(double phi);

// out(i) = sum over j of M(i, j) v(j).
void MatTimesVec(Vec3& out, const Mat3& m, const Vec3& v);
// out(j) = sum over i of v(i) M(i, j): the transpose applied.
void VecTimesMat(Vec3& out, const Vec3& v, const Mat3& m);
// out(i, j) = sum over k of A(i, k) B(k, j).
void MatTimesMat(Mat3& out, const Mat3& a, const Mat3& b);

}  // namespace orrery
