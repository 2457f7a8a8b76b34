#pragma once
// Kept for tests written before the support library; include the support headers instead.
#include "support/cli_run.hpp"
#include "support/input_set.hpp"
#include "support/text.hpp"
