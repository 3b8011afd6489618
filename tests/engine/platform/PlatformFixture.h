#pragma once
// PlatformFixture: every platform test starts and ends with fresh services.
//
// The window, keyboard and mouse state are process-wide; destroying them on
// both sides of a test keeps flags, listeners, hooks, SDL windows and SDL's
// video subsystem from leaking from one test into the next. The reset runs in
// the constructor so that fixtures may bind references in their members.

#include <gtest/gtest.h>

#include "engine/platform/cKeyboardState.h"
#include "engine/platform/cMouseState.h"
#include "engine/platform/cWindow.h"

class PlatformFixture : public ::testing::Test {
protected:
    PlatformFixture() { ResetServices(); }
    ~PlatformFixture() override { ResetServices(); }

    static void ResetServices() {
        Engine::cWindow::Destroy();
        Engine::cKeyboardState::Destroy();
        Engine::cMouseState::Destroy();
    }
};
