// Vertex declarations: stride, element offsets and the lookup by usage.

#include <gtest/gtest.h>

#include "engine/render/cVertexDeclaration.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

class VertexDeclarationTest : public RenderFixture {
protected:
    VertexDeclarationTest() {
        declaration.AddElement(DU_Position, DT_Float3, 0);
        declaration.AddElement(DU_Normal, DT_Float3, 0);
        declaration.AddElement(DU_TexCoord, DT_Float2, 0);
    }

    cVertexDeclaration declaration;
};

TEST_F(VertexDeclarationTest, StrideIsTheSumOfTheElementSizesAndOffsetsRunAlong) {
    EXPECT_EQ(declaration.Stride(), 32u);
    EXPECT_EQ(declaration.GetElementIndexByUsage(DU_Normal, 0), 1u);
    EXPECT_EQ(declaration.ElementOffset(1), 12u);
    EXPECT_EQ(declaration.ElementOffset(2), 24u);
    EXPECT_EQ(declaration.ElementSize(2), 8u);
}

TEST_F(VertexDeclarationTest, AMissingElementIsLoggedAndGivesTheElementCount) {
    EXPECT_EQ(declaration.GetElementIndexByUsage(DU_Colour, 0), 3u);
    EXPECT_EQ(LinesEqualTo("VertexDeclaration::GetElementIndexByUsage(), usage and usage index do not exist"), 1)
        << EngineLog();
    EXPECT_FALSE(declaration.FindElement(DU_TexCoord, 1).has_value()) << "the usage index is part of the key";
}

TEST_F(VertexDeclarationTest, EveryTypeHasItsSizeAndUnknownTypesCountNothing) {
    const uint32_t sizes[] = {4, 8, 12, 16, 4, 4, 0};
    for (int32_t type = 0; type <= 6; ++type) {
        cVertexDeclaration single;
        single.AddElement(DU_Position, type, 0);
        EXPECT_EQ(single.Stride(), sizes[type]) << "type " << type;
    }
    declaration.Reset();
    EXPECT_EQ(declaration.Stride(), 0u);
    EXPECT_TRUE(declaration.Elements().empty());
}

}  // namespace
