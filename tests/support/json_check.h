#pragma once
// Parses a document the library sent, so tests can check its fields
// without depending on the order of keys or on the writer's layout.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

namespace vcom::testing {

// The parsed document; a test failure (and null) when it is not JSON.
inline nlohmann::json parseDocument(const std::string& utf8) {
    auto parsed = nlohmann::json::parse(utf8, nullptr, false);
    EXPECT_FALSE(parsed.is_discarded()) << "not JSON: " << utf8;
    return parsed.is_discarded() ? nlohmann::json() : parsed;
}

}  // namespace vcom::testing
