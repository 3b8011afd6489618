#include "engine/entity/cEntity.h"

#include "engine/core/cLog.h"
#include "engine/entity/cSceneManager.h"
#include "engine/physics/iPhysicsCmp.h"
#include "engine/physics/iPhysicsCmpPool.h"
#include "engine/render/iGraphicsCmp.h"
#include "engine/render/iGraphicsCmpPool.h"

namespace Engine {

namespace {

iGraphicsCmpPool*& ModelPoolSlot() {
    static iGraphicsCmpPool* pool = nullptr;
    return pool;
}

iPhysicsCmpPool*& PhysicsPoolSlot() {
    static iPhysicsCmpPool* pool = nullptr;
    return pool;
}

}  // namespace

void cEntity::Init(const std::string& entity_name) {
    active = true;
    queued = false;
    toggle = false;
    name = entity_name;
    cSceneManager::Instance().Add(this);
    physics = nullptr;
    model = nullptr;
}

void cEntity::Reset() {
    name.clear();  // keeps the text's storage, so a reused entity names itself without allocating
    position = Vector3(0, 0, 0);
    scale = Vector3(1, 1, 1);
    rotation = Quaternion::Identity();
    active = false;
    if (model != nullptr) {
        if (iGraphicsCmpPool* pool = GetModelPool()) {
            pool->GiveBack(model);
        } else {
            LogError("cEntity::Reset: no model component pool to give a model back to");
        }
        model->Release();
        model = nullptr;
    }
    if (physics != nullptr) {
        if (iPhysicsCmpPool* pool = GetPhysicsPool()) {
            pool->GiveBack(physics);
        } else {
            LogError("cEntity::Reset: no physics pool to give a physics object back to");
        }
        physics = nullptr;
    }
    cSceneManager::Instance().Remove(this);
}

void cEntity::Update(float /*dt*/) { RebuildWorld(); }

void cEntity::SetActive(bool on) {
    active = on;
    if (model != nullptr) model->visible = on;
    if (physics != nullptr) physics->SetDisabled(!on);
}

iGraphicsCmp* cEntity::GetModel() const { return model; }

void cEntity::SetModel(iGraphicsCmp* component) { model = component; }

bool cEntity::Toggle() {
    toggle = !toggle;
    return toggle;
}

void cEntity::EditorUpdate() {}

void cEntity::SetPosition(const Vector3& v) {
    position = v;
    RebuildWorld();
}

void cEntity::RebuildWorld() {
    const float w = rotation.w, x = rotation.x, y = rotation.y, z = rotation.z;
    const float rows[3][3] = {
        {1 - 2 * (y * y + z * z), 2 * (x * y - w * z), 2 * (x * z + w * y)},
        {2 * (x * y + w * z), 1 - 2 * (x * x + z * z), 2 * (y * z - w * x)},
        {2 * (x * z - w * y), 2 * (y * z + w * x), 1 - 2 * (x * x + y * y)},
    };
    const float row_scale[3] = {scale.x, scale.y, scale.z};
    const float translation[3] = {position.x, position.y, position.z};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) world.m[i][j] = row_scale[i] * rows[i][j];
        world.m[i][3] = translation[i];
    }
    world.m[3][0] = 0;
    world.m[3][1] = 0;
    world.m[3][2] = 0;
    world.m[3][3] = 1;
}

void cEntity::SetModelPool(iGraphicsCmpPool* pool) { ModelPoolSlot() = pool; }

iGraphicsCmpPool* cEntity::GetModelPool() { return ModelPoolSlot(); }

void cEntity::SetPhysicsPool(iPhysicsCmpPool* pool) { PhysicsPoolSlot() = pool; }

iPhysicsCmpPool* cEntity::GetPhysicsPool() { return PhysicsPoolSlot(); }

}  // namespace Engine
