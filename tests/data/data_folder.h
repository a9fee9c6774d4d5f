#pragma once
// Runs a test inside a scratch folder holding an empty "Data/Backup/", the
// layout the data code expects below its working folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/random.h"
#include "support/scratch_dir.h"

namespace glyphora::testing {

class DataFolderTest : public ::testing::Test {
protected:
    DataFolderTest() : scratch_(true) { std::filesystem::create_directories("Data/Backup"); }
    ScratchDir scratch_;
    Random random;
};

}  // namespace glyphora::testing
