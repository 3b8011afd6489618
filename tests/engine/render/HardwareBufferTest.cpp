// Hardware buffers over the null device: pools, element access, locks, shadow
// copies of dynamic buffers, and the bound-buffer record.

#include <gtest/gtest.h>

#include <cstring>  // std::memcpy
#include <vector>

#include "engine/render/cNullHardwareBufferManager.h"
#include "engine/render/eBufferUsage.h"
#include "engine/render/eDeclType.h"
#include "engine/render/eDeclUsage.h"
#include "engine/render/eIndexFormat.h"
#include "engine/render/eLockFlag.h"
#include "tests/engine/render/RenderFixture.h"

namespace {

using namespace Engine;

// position (3 floats) + colour (packed): 16 bytes a vertex.
struct Vertex {
    float x, y, z;
    uint32_t colour;
};

class HardwareBufferTest : public NullRendererFixture {
protected:
    void SetUp() override {
        NullRendererFixture::SetUp();
        manager = std::make_unique<cNullHardwareBufferManager>(*renderer);
    }

    cVertexDeclaration* PositionColour() {
        cVertexDeclaration* declaration = manager->TakeVertexDeclaration();
        declaration->AddElement(DU_Position, DT_Float3, 0);
        declaration->AddElement(DU_Colour, DT_PackedColour, 0);
        return declaration;
    }

    cNullVertexBuffer* MakeVertices(uint32_t count, int32_t usage) {
        return static_cast<cNullVertexBuffer*>(manager->CreateVertexBuffer(PositionColour(), count, usage));
    }

    static std::vector<Vertex> Sample(uint32_t count) {
        std::vector<Vertex> v;
        for (uint32_t i = 0; i < count; ++i) v.push_back({float(i), float(i) * 2, float(i) * 3, 0xFF000000u + i});
        return v;
    }

    static std::vector<uint8_t> Bytes(const std::vector<Vertex>& v) {
        std::vector<uint8_t> bytes(v.size() * sizeof(Vertex));
        std::memcpy(bytes.data(), v.data(), bytes.size());
        return bytes;
    }

    std::unique_ptr<cNullHardwareBufferManager> manager;
};

TEST_F(HardwareBufferTest, PoolsGrowOneBlockAtATime) {
    std::vector<iVertexBuffer*> made;
    for (int i = 0; i < 513; ++i) made.push_back(MakeVertices(1, BU_Managed));
    EXPECT_EQ(manager->VertexBuffers().BlockCount(), 2u);
    EXPECT_EQ(manager->VertexBuffers().Objects().size(), 1024u);
    EXPECT_EQ(manager->Declarations().BlockCount(), 3u) << "513 declarations need three blocks of 256";
    for (int i = 0; i < 257; ++i) manager->CreateIndexBuffer(3, IF_Index16, BU_Managed);
    EXPECT_EQ(manager->IndexBuffers().BlockCount(), 2u);
}

TEST_F(HardwareBufferTest, AReleasedBufferGoesToTheBackOfTheFreeQueueWithItsDeclaration) {
    iVertexBuffer* first = MakeVertices(3, BU_Managed);
    const std::size_t free_declarations = manager->Declarations().FreeCount();
    iVertexBuffer* released = first;
    manager->ReleaseVertexBuffer(released);
    EXPECT_EQ(released, nullptr);
    EXPECT_EQ(manager->Declarations().FreeCount(), free_declarations + 1);
    iVertexBuffer* second = MakeVertices(3, BU_Managed);
    EXPECT_NE(second, first) << "the buffer given back waits behind the unused ones";
}

TEST_F(HardwareBufferTest, ReleasingTwiceIsLoggedAndDoesNotQueueTheBufferTwice) {
    iVertexBuffer* buffer = MakeVertices(3, BU_Managed);
    iVertexBuffer* copy = buffer;
    manager->ReleaseVertexBuffer(buffer);
    const std::size_t free_buffers = manager->VertexBuffers().FreeCount();
    manager->ReleaseVertexBuffer(copy);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(manager->VertexBuffers().FreeCount(), free_buffers);
    EXPECT_TRUE(Logged("not in use was released")) << EngineLog();
}

TEST_F(HardwareBufferTest, BuffersThatCannotBeMadeGiveTheirDeclarationBack) {
    manager->GiveBackVertexDeclaration(manager->TakeVertexDeclaration());  // builds the first block
    const std::size_t free_declarations = manager->Declarations().FreeCount();
    EXPECT_EQ(manager->CreateVertexBuffer(PositionColour(), 0, BU_Managed), nullptr);
    EXPECT_EQ(manager->CreateVertexBuffer(PositionColour(), 4, 3), nullptr);
    EXPECT_EQ(manager->CreateVertexBuffer(manager->TakeVertexDeclaration(), 4, BU_Managed), nullptr)
        << "an empty declaration has no stride";
    EXPECT_EQ(manager->CreateVertexBuffer(nullptr, 4, BU_Managed), nullptr);
    EXPECT_EQ(manager->Declarations().FreeCount(), free_declarations);
    EXPECT_EQ(manager->CreateIndexBuffer(4, 2, BU_Managed), nullptr);
}

TEST_F(HardwareBufferTest, WholeVerticesAndSingleElementsRoundTrip) {
    iVertexBuffer* buffer = MakeVertices(4, BU_Managed);
    const std::vector<Vertex> sample = Sample(4);
    buffer->Write(sample.data(), 0, 4);
    const uint32_t colours[] = {0xAA000001u, 0xAA000002u};
    buffer->WriteElement(DU_Colour, 0, colours, 1, 2);

    std::vector<Vertex> read(4);
    buffer->Read(read.data(), 0, 4);
    EXPECT_EQ(read[0].colour, sample[0].colour);
    EXPECT_EQ(read[1].colour, 0xAA000001u);
    EXPECT_EQ(read[2].colour, 0xAA000002u);
    EXPECT_EQ(read[3].colour, sample[3].colour);
    EXPECT_FLOAT_EQ(read[2].y, sample[2].y) << "writing one element leaves the others";

    float positions[6] = {};
    buffer->ReadElement(DU_Position, 0, positions, 2, 2);
    EXPECT_FLOAT_EQ(positions[0], 2.0f);
    EXPECT_FLOAT_EQ(positions[5], 9.0f);
}

TEST_F(HardwareBufferTest, AnElementTheDeclarationLacksIsSkippedWithALogLine) {
    iVertexBuffer* buffer = MakeVertices(2, BU_Managed);
    const std::vector<Vertex> sample = Sample(2);
    buffer->Write(sample.data(), 0, 2);
    const float uv[4] = {9, 9, 9, 9};
    buffer->WriteElement(DU_TexCoord, 0, uv, 0, 2);
    float out[4] = {7, 7, 7, 7};
    buffer->ReadElement(DU_TexCoord, 0, out, 0, 2);
    std::vector<Vertex> read(2);
    buffer->Read(read.data(), 0, 2);
    EXPECT_EQ(Bytes(read), Bytes(sample)) << "nothing may be written at the out-of-range element";
    EXPECT_FLOAT_EQ(out[0], 7.0f);
    EXPECT_TRUE(Logged("WriteElement skipped")) << EngineLog();
    EXPECT_TRUE(Logged("ReadElement skipped")) << EngineLog();
}

TEST_F(HardwareBufferTest, LocksCheckTheirRangeFlagAndState) {
    iVertexBuffer* buffer = MakeVertices(4, BU_Managed);
    EXPECT_EQ(buffer->Lock(3, 2, LOCK_None), nullptr);
    EXPECT_EQ(buffer->Lock(4, 0, LOCK_None), nullptr);
    EXPECT_EQ(buffer->Lock(0, 1, 5), nullptr);
    uint8_t* whole = static_cast<uint8_t*>(buffer->Lock(1, 0, LOCK_None));
    ASSERT_NE(whole, nullptr) << "a count of 0 locks to the end";
    EXPECT_EQ(buffer->Lock(0, 1, LOCK_None), nullptr) << "one lock at a time";
    buffer->Unlock();
    EXPECT_NE(buffer->Lock(0, 4, LOCK_ReadOnly), nullptr);
    buffer->Unlock();
}

TEST_F(HardwareBufferTest, DynamicBuffersMirrorEveryWriteAndSurviveADeviceReset) {
    cNullVertexBuffer* buffer = MakeVertices(3, BU_Dynamic);
    const std::vector<Vertex> sample = Sample(3);
    buffer->Write(sample.data(), 0, 3);
    const uint32_t colour = 0x12345678u;
    buffer->WriteElement(DU_Colour, 0, &colour, 2, 1);
    auto* locked = static_cast<Vertex*>(buffer->Lock(0, 1, LOCK_None));
    ASSERT_NE(locked, nullptr);
    locked->x = 42.0f;
    buffer->Unlock();
    EXPECT_EQ(buffer->ShadowCopy(), buffer->DeviceBytes());

    const std::vector<uint8_t> before = buffer->DeviceBytes();
    buffer->OnDeviceLost();
    EXPECT_TRUE(buffer->DeviceBytes().empty());
    EXPECT_EQ(buffer->ShadowCopy(), before);
    buffer->OnDeviceReset();
    EXPECT_EQ(buffer->DeviceBytes(), before);
}

TEST_F(HardwareBufferTest, StaticBuffersKeepNoShadowAndIgnoreADeviceReset) {
    cNullVertexBuffer* buffer = MakeVertices(2, BU_Static);
    const std::vector<Vertex> sample = Sample(2);
    buffer->Write(sample.data(), 0, 2);
    EXPECT_TRUE(buffer->ShadowCopy().empty());
    buffer->OnDeviceLost();
    EXPECT_EQ(buffer->DeviceBytes(), Bytes(sample));
}

TEST_F(HardwareBufferTest, BindSkipsTheDeviceWhenTheBufferIsBoundAlready) {
    cNullVertexBuffer* buffer = MakeVertices(2, BU_Managed);
    buffer->Bind();
    buffer->Bind();
    EXPECT_EQ(buffer->DeviceBinds(), 1u);
    EXPECT_EQ(manager->BoundVertexBuffer(), buffer);
    EXPECT_EQ(renderer->Bindings().declaration, buffer->GetDeclaration());
    buffer->Unbind();
    EXPECT_EQ(manager->BoundVertexBuffer(), nullptr);
    buffer->Bind();
    EXPECT_EQ(buffer->DeviceBinds(), 2u);
}

TEST_F(HardwareBufferTest, AReleasedBoundBufferIsUnboundSoItsReuseBindsAgain) {
    // Use up the first block so that the released buffer is the next one handed out.
    std::vector<cNullVertexBuffer*> all;
    for (int i = 0; i < 512; ++i) all.push_back(MakeVertices(1, BU_Managed));
    cNullVertexBuffer* bound = all[0];
    bound->Bind();
    iVertexBuffer* released = bound;
    manager->ReleaseVertexBuffer(released);
    EXPECT_EQ(manager->BoundVertexBuffer(), nullptr);
    cNullVertexBuffer* reused = MakeVertices(1, BU_Managed);
    ASSERT_EQ(reused, bound);
    const uint32_t binds = reused->DeviceBinds();
    reused->Bind();
    EXPECT_EQ(reused->DeviceBinds(), binds + 1);
}

TEST_F(HardwareBufferTest, ADynamicBufferLostWhileBoundIsBoundAgainAfterTheReset) {
    cNullVertexBuffer* buffer = MakeVertices(2, BU_Dynamic);
    buffer->Bind();
    buffer->OnDeviceLost();
    EXPECT_EQ(manager->BoundVertexBuffer(), nullptr);
    buffer->OnDeviceReset();
    buffer->Bind();
    EXPECT_EQ(buffer->DeviceBinds(), 2u);
}

TEST_F(HardwareBufferTest, ReleaseAllReleasesEveryBufferAndRequeuesThemInOrder) {
    cNullVertexBuffer* a = MakeVertices(2, BU_Dynamic);
    MakeVertices(2, BU_Managed);
    a->Bind();
    manager->ReleaseAllVertexBuffers();
    EXPECT_FALSE(a->InUse());
    EXPECT_EQ(manager->BoundVertexBuffer(), nullptr);
    EXPECT_EQ(manager->VertexBuffers().FreeCount(), manager->VertexBuffers().Objects().size());
    EXPECT_EQ(manager->VertexBuffers().Front(), manager->VertexBuffers().Objects()[0]);
    EXPECT_EQ(manager->Declarations().FreeCount(), manager->Declarations().Objects().size());
}

struct IndexCase {
    int32_t format;
    uint32_t size;
};

TEST_F(HardwareBufferTest, IndexBuffersHoldSixteenOrThirtyTwoBitIndices) {
    for (const IndexCase c : {IndexCase{IF_Index16, 2}, IndexCase{IF_Index32, 4}}) {
        auto* buffer = static_cast<cNullIndexBuffer*>(manager->CreateIndexBuffer(6, c.format, BU_Dynamic));
        ASSERT_NE(buffer, nullptr);
        EXPECT_EQ(buffer->GetIndexSize(), c.size);
        EXPECT_EQ(buffer->DeviceBytes().size(), 6u * c.size);
        const std::vector<uint8_t> indices(6 * c.size, 7);
        buffer->Write(indices.data(), 0, 6);
        std::vector<uint8_t> read(6 * c.size);
        buffer->Read(read.data(), 0, 6);
        EXPECT_EQ(read, indices);
        buffer->OnDeviceLost();
        buffer->OnDeviceReset();
        EXPECT_EQ(buffer->DeviceBytes(), indices);
        buffer->Bind();
        buffer->Bind();
        EXPECT_EQ(buffer->DeviceBinds(), 1u);
        iIndexBuffer* released = buffer;
        manager->ReleaseIndexBuffer(released);
        EXPECT_EQ(manager->BoundIndexBuffer(), nullptr);
    }
}

}  // namespace
