#pragma once
// Writes a test's input file byte for byte and hands back its path.
#include "common/FileIo.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace vellum::test {

inline std::string written(const std::string& path, std::string_view bytes) {
    EXPECT_TRUE(writeFileAtomically(path, bytes));
    return path;
}

} // namespace vellum::test
