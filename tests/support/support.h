// Shared helpers of the tests.
#pragma once
