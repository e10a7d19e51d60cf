// A test base that starts and ends every test with the engine's process-wide
// state at its start-up values, so no test sees what another one left.
#pragma once

#include <gtest/gtest.h>

namespace fixture {

// current_language 0, current_document null, current_section 0,
// library_shown false, render_mode 0, no table row or cell open,
// form_column_mode 1, value_language 0, declension_sink 0.
void reset_process_state();

class process_state_test : public ::testing::Test {
protected:
    void SetUp() override { reset_process_state(); }
    void TearDown() override { reset_process_state(); }
};

}  // namespace fixture
