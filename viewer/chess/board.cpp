// The constant tables of the board model.
#include "viewer/chess/board.h"

const Board kStartingPosition = {
    'R', 'N', 'B', 'Q', 'K', 'B', 'N', 'R',  //
    'P', 'P', 'P', 'P', 'P', 'P', 'P', 'P',  //
    ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',  //
    ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',  //
    ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',  //
    ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',  //
    'p', 'p', 'p', 'p', 'p', 'p', 'p', 'p',  //
    'r', 'n', 'b', 'q', 'k', 'b', 'n', 'r',
};

#define MARK_ROW_EVEN 0xB2, 0xB0, 0xB2, 0xB0, 0xB2, 0xB0, 0xB2, 0xB0
#define MARK_ROW_ODD  0xB0, 0xB2, 0xB0, 0xB2, 0xB0, 0xB2, 0xB0, 0xB2

const Board kBaseSquareMarks = {
    MARK_ROW_EVEN, MARK_ROW_ODD, MARK_ROW_EVEN, MARK_ROW_ODD, MARK_ROW_EVEN, MARK_ROW_ODD, MARK_ROW_EVEN, MARK_ROW_ODD,
};

#undef MARK_ROW_EVEN
#undef MARK_ROW_ODD
