#pragma once
// Runs a program object on the current headless backend with a runner script; the backend closes
// the window after the script's last command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GameApp.h"
#include "platform/headless/HeadlessBackend.h"

inline void runScript(GameApp& app, const std::string& script) {
    std::vector<platform::ScriptCommand> commands;
    std::string error;
    ASSERT_TRUE(platform::parseScript(script, commands, error)) << error;
    platform::headlessBackend()->setScript(std::move(commands));
    EXPECT_EQ(app.run(), 0);
}
