#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "runtime/tests/support/temporary_folder.h"

namespace vortalis::testing {

// A test about one file, `file`, in a scratch folder of its own that goes with
// the test.
class OneFileTest : public ::testing::Test {
  protected:
    explicit OneFileTest(const std::string& name) : file(folder / name) {}

    TemporaryFolder folder;
    std::filesystem::path file;
};

}  // namespace vortalis::testing
