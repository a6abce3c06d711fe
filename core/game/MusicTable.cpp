#include "MusicTable.h"
