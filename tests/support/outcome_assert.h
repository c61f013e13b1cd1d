// A failure's reason in GoogleTest's messages: ASSERT_TRUE(isDone(presets.save(preset))).
#pragma once

#include "platform/outcome.h"

#include <gtest/gtest.h>

inline ::testing::AssertionResult isDone(const tavro::platform::Outcome &outcome)
{
    if (outcome) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "failed: " << outcome.why().toStdString();
}
