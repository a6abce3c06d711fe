#include "TwoDa.h"

#include <gtest/gtest.h>
