#include "ResRef.h"

#include <gtest/gtest.h>
