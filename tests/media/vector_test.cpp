// The shared vector's geometry.
#include "media/Vector.h"

#include <gtest/gtest.h>

TEST(Vector, EqualityIgnoresTheFourthComponent)
{
    EXPECT_EQ(CVector(1, 2, 3, 0.5f), CVector(1, 2, 3));
    EXPECT_NE(CVector(1, 2, 3), CVector(1, 2, 4));
    EXPECT_EQ(CVector(1, 2, 3).w, 1.0f);
}

TEST(Vector, LengthNormaliseAndCross)
{
    CVector v(3, 0, 4);
    EXPECT_FLOAT_EQ(v.Length(), 5.0f);
    v.Normalise();
    EXPECT_FLOAT_EQ(v.Length(), 1.0f);
    CVector zero(0, 0, 0);
    zero.Normalise();
    EXPECT_EQ(zero, CVector(0, 0, 0));
    EXPECT_EQ(CVector(1, 0, 0).Cross(CVector(0, 1, 0)), CVector(0, 0, 1));
}

TEST(Vector, QuarterTurnAboutZLandsExactlyOnTheAxis)
{
    CVector v(1, 0, 7);
    v.Rotate(2, 90.0f);
    EXPECT_EQ(v.x, 0.0f);
    EXPECT_EQ(v.y, 1.0f);
    EXPECT_EQ(v.z, 7.0f);
    v.Rotate(2, 180.0f);
    EXPECT_EQ(v, CVector(0, -1, 7));
    CVector about_x(0, 1, 0);
    about_x.Rotate(0, 90.0f);
    EXPECT_NEAR(about_x.z, 1.0f, 1e-6f);
}
