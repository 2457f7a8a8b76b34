#pragma once
// Small helpers for the file reader tests: keyboards from text, files in a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "data/key_tables.hpp"
#include "data/loaders.hpp"
#include "data/message.hpp"
#include "support/keyboards.hpp"
#include "support/text.hpp"

namespace antkeys::test {

// How many entries a folder holds: a write through a temporary file must leave one.
inline int FileCount(const std::string& folder) {
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
    return files;
}

}  // namespace antkeys::test
