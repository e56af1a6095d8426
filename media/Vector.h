// Four-component float vector for positions and colours (w is carried, x/y/z
// take part in the geometry).
#pragma once

class CVector
{
  public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;

    CVector() = default;
    CVector(float ax, float ay, float az, float aw = 1.0f) : x(ax), y(ay), z(az), w(aw) {}

    // Only x, y and z count: w is a colour's alpha or an unused slot.
    bool operator==(const CVector& other) const;
    bool operator!=(const CVector& other) const { return !(*this == other); }

    float Length() const;
    // A zero vector stays zero rather than turning into NaNs.
    void Normalise();
    CVector Cross(const CVector& other) const;

    // Rotates the two components across the axis (0 = x, 1 = y, 2 = z) by
    // `degrees`; about z, tiny sines and cosines snap to 0 so right angles land
    // exactly on the axes.
    void Rotate(int axis, float degrees);
};
