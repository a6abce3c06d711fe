#include "RandomAccess.h"
