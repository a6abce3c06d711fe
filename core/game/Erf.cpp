#include "Erf.h"
