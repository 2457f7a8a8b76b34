#pragma once
// Kept for tests written before the support library; include the support headers instead.
#include "support/temp_folder.hpp"
