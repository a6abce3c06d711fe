#include "KeyBif.h"
