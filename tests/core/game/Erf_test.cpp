#include "Erf.h"

#include <gtest/gtest.h>
