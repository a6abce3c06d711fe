#include "ResRef.h"
