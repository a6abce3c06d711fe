#include "TwoDa.h"
