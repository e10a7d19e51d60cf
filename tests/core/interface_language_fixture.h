// A test base that starts and ends every test with the program's interface
// language at English, so that no test sees what another one left.
#pragma once

#include <gtest/gtest.h>

#include "core/interface_texts.h"

namespace core_test {

class interface_language_test : public ::testing::Test {
protected:
    void SetUp() override { core::current_language = 0; }
    void TearDown() override { core::current_language = 0; }
};

}  // namespace core_test
