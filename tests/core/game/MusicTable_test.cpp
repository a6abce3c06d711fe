#include "MusicTable.h"

#include <gtest/gtest.h>
