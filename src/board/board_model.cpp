#include "board/board_model.h"
