#pragma once
// Checks that a call raises the project's error with a given number and message.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "holvane/error.hpp"

// Expects action to raise holvane::Error with this number and, unless message is empty,
// exactly this description.
template <class F>
void ExpectError(F&& action, std::uint32_t number, const std::string& message = {}) {
    try {
        action();
        ADD_FAILURE() << "no error raised, expected: " << message;
    } catch (const holvane::Error& e) {
        EXPECT_EQ(e.number(), number);
        if (!message.empty()) {
            EXPECT_EQ(e.description(), message);
        }
    }
}

// Expects action to raise a validation failure (holvane::kObjectError) with exactly this message.
template <class F>
void ExpectObjectError(F&& action, const std::string& message) {
    ExpectError(action, holvane::kObjectError, message);
}
