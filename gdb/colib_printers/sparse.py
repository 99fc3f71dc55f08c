"""gdb views of the sparse arrays.

doublecoSparseArr2D and intcoSparseArr2D show their cells in row order as
"[row, column] = value"; basecoSparseArr2D shows its cells by number with
their links; the heads and cells arrays (coSparseArr...coPageArr) show
their elements by index.
"""

import gdb

# Cells shown at most, so that a huge matrix does not flood the screen.
LIMIT = 2000


def _paged_elem(arr, i):
    """Element i of a paged array (coPageArrT), by its block and slot."""
    shift = int(arr["shift_"])
    mask = int(arr["block_size_"]) - 1
    # The current block pointer has the element type whatever the member.
    elem_type = arr["cur_block_"].type.strip_typedefs().target()
    block = arr["table_"]["data_"][i >> shift]
    return block.cast(elem_type.pointer())[i & mask]


def _size(arr):
    return int(arr["size_"])


def _index_base(val):
    return val.cast(gdb.lookup_type("basecoSparseArr2D"))


class PagedRecordsPrinter:
    """coSparseArrIntPcoPageArr, coSparseArrPtrPcoPageArr."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        return "%s of size %d" % (self.val.type.name, _size(self.val))

    def children(self):
        for i in range(min(_size(self.val), LIMIT)):
            yield "[%d]" % i, _paged_elem(self.val, i)

    def display_hint(self):
        return "array"


class IndexPrinter:
    """basecoSparseArr2D: the cells by number."""

    def __init__(self, val):
        self.val = _index_base(val)

    def to_string(self):
        rows = _size(self.val["rows_"])
        cols = _size(self.val["cols_"])
        return "basecoSparseArr2D with %d cells, %d rows, %d columns" % (
            _size(self.val["cells_"]), rows, cols)

    def children(self):
        cells = self.val["cells_"]
        for k in range(min(_size(cells), LIMIT)):
            c = _paged_elem(cells, k)
            yield "[%d]" % k, "(%d, %d) next in row %d, next in column %d" % (
                int(c["row"]), int(c["column"]), int(c["next_in_row"]),
                int(c["next_in_column"]))


class MatrixPrinter:
    """doublecoSparseArr2D, intcoSparseArr2D: cells in row order."""

    def __init__(self, val):
        self.val = val
        self.index = _index_base(val)

    def to_string(self):
        idx = self.index
        return "%s with %d cells, %d rows, %d columns" % (
            self.val.type.strip_typedefs().name, _size(idx["cells_"]),
            _size(idx["rows_"]), _size(idx["cols_"]))

    def children(self):
        rows = self.index["rows_"]
        cells = self.index["cells_"]
        values = self.val["values_"]
        shown = 0
        for r in range(_size(rows)):
            k = int(_paged_elem(rows, r)["index"])
            while k >= 0 and shown < LIMIT:
                c = _paged_elem(cells, k)
                yield "[%d, %d]" % (int(c["row"]), int(c["column"])), _paged_elem(values, k)
                shown += 1
                k = int(c["next_in_row"])
            if shown >= LIMIT:
                return


def register(collection):
    collection.add_printer("coSparseArr2D", r"^(double|int)coSparseArr2D$", MatrixPrinter)
    collection.add_printer("basecoSparseArr2D", r"^basecoSparseArr2D$", IndexPrinter)
    collection.add_printer("coSparseArrPageArr",
                           r"^coSparseArr(IntP|PtrP|TailP)coPageArr$", PagedRecordsPrinter)
