// The GL layer must do nothing at all without a context.
#include "platform/Gl.h"

#include <gtest/gtest.h>

TEST(GlLayer, HeadlessByDefaultAndHandsOutNoTextures)
{
    ASSERT_TRUE(NGl::IsHeadless());
    EXPECT_EQ(NGl::CreateTexture(), 0u);
    NGl::Begin(GL_QUADS);
    NGl::Vertex(1.0f, 2.0f);
    NGl::End();
    unsigned char pixel[4] = {};
    EXPECT_FALSE(NGl::ReadPixels(0, 0, 1, 1, pixel));
    EXPECT_FALSE(NGl::CompressedTexImage2D(0, 0x83F1, 4, 4, 8, pixel));
}
