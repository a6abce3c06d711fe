#include "KeyBif.h"

#include <gtest/gtest.h>
