// Vector arithmetic for sprites, controls and decorations.
#include "media/Vector.h"

#include <cmath>

bool CVector::operator==(const CVector& other) const
{
    return x == other.x && y == other.y && z == other.z;
}

float CVector::Length() const
{
    return std::sqrt(x * x + y * y + z * z);
}

void CVector::Normalise()
{
    const float length = Length();
    if (length == 0.0f)
        return;
    x /= length;
    y /= length;
    z /= length;
}

CVector CVector::Cross(const CVector& other) const
{
    return CVector(y * other.z - z * other.y, z * other.x - x * other.z, x * other.y - y * other.x);
}

void CVector::Rotate(int axis, float degrees)
{
    constexpr double kPi = 3.14159265358979323846;
    const double radians = degrees * kPi / 180.0;
    double s = std::sin(radians);
    double c = std::cos(radians);
    if (axis == 2)
    {
        constexpr double kSnap = 1e-5;
        if (std::fabs(s) < kSnap)
            s = 0.0;
        if (std::fabs(c) < kSnap)
            c = 0.0;
    }
    float* a = nullptr;
    float* b = nullptr;
    switch (axis)
    {
    case 0:
        a = &y;
        b = &z;
        break;
    case 1:
        a = &z;
        b = &x;
        break;
    case 2:
        a = &x;
        b = &y;
        break;
    default:
        return;
    }
    const double u = *a;
    const double v = *b;
    *a = static_cast<float>(u * c - v * s);
    *b = static_cast<float>(u * s + v * c);
}
