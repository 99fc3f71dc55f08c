#include <colib/arrays/variable_arr.h>

#include "variable_arr.inl"

// Element counts of blocks 0 to 8; blocks 9 and up hold 2048.
const int coVariableArr_block_size[9] = {8, 8, 16, 32, 64, 128, 256, 512, 1024};

// The block holding index i, for i < 2048, at [i >> 3]: block 0 holds 0-7,
// block 1 holds 8-15, block b >= 2 holds 2^(b+2) to 2^(b+3) - 1.
const int coVariableArr_block_number[256] = {
    0, 1, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};

// The size minus 1 of the block holding index i, for i < 2048, at [i >> 3].
const int coVariableArr_block_mask[256] = {
    7,    7,    15,   15,   31,   31,   31,   31,   63,   63,   63,   63,   63,   63,   63,   63,
    127,  127,  127,  127,  127,  127,  127,  127,  127,  127,  127,  127,  127,  127,  127,  127,
    255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,
    255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  255,
    511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,
    511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,
    511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,
    511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,  511,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
    1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023, 1023,
};

template class coVariableArrT<charcoVariableArr, char>;
template class coVariableArrT<intcoVariableArr, int>;
template class coVariableArrT<doublecoVariableArr, double>;
template class coVariableArrT<utAnycoVariableArr, utAny>;
template class coVariableArrT<utStringcoVariableArr, utString>;
template class coVariableArrIterT<charcoVariableArrcoIterator, charcoVariableArr>;
template class coVariableArrIterT<intcoVariableArrcoIterator, intcoVariableArr>;
template class coVariableArrIterT<doublecoVariableArrcoIterator, doublecoVariableArr>;
template class coVariableArrIterT<utAnycoVariableArrcoIterator, utAnycoVariableArr>;
template class coVariableArrIterT<utStringcoVariableArrcoIterator, utStringcoVariableArr>;
