#include "stats/statist.h"
