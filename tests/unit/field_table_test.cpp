#include "game/field_table.h"

#include <gtest/gtest.h>
