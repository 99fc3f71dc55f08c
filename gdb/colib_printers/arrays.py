"""The contiguous arrays: dynamic, fast stack, 2D/3D, fixed, fixed 2D,
variable, and their walkers."""

from ._support import (ArrayPrinter, Printer, array_of, dyn_arr_capacity, dyn_arr_size, items,
                       template_arg)


class DynArrPrinter(ArrayPrinter):
    def to_string(self):
        v = self.val
        return '%s size %d capacity %d step %d' % (
            self.name, dyn_arr_size(v), dyn_arr_capacity(v), int(v['step_']))

    def children(self):
        return items(self.val['data_'], dyn_arr_size(self.val))


class DynArrIterPrinter(Printer):
    """Where the walk stands: the index and the element, or past the end."""

    def to_string(self):
        v = self.val
        n = int(v['end_'] - v['begin_'])
        i = int(v['position_'])
        if i >= n:
            return '%s past the end (size %d)' % (self.name, n)
        return '%s at %d of %d: %s' % (self.name, i, n, v['begin_'][i].format_string())


class StackFastPrinter(ArrayPrinter):
    """Bottom first, the top last, as the stack's array holds them."""

    def to_string(self):
        a = self.val['array_']
        return '%s size %d capacity %d step %d' % (
            self.name, dyn_arr_size(a), dyn_arr_capacity(a), int(a['step_']))

    def children(self):
        a = self.val['array_']
        return items(a['data_'], dyn_arr_size(a))


class GridPrinter(Printer):
    """A growable matrix or 3D array: sizes, capacities and steps, then one
    row of used elements per line."""

    def __init__(self, val, rank):
        super(GridPrinter, self).__init__(val)
        self.rank = rank

    def dims(self, field):
        return [int(self.val[field][d]) for d in range(self.rank)]

    def to_string(self):
        def join(xs):
            return ' x '.join(str(x) for x in xs)
        return '%s size %s capacity %s step %s' % (
            self.name, join(self.dims('size_')), join(self.dims('capacity_')),
            join(self.dims('step_')))

    def children(self):
        sizes = self.dims('size_')
        table = self.val['table_']
        if int(table) == 0 or 0 in sizes:
            return
        if self.rank == 2:
            for i in range(sizes[0]):
                yield '[%d]' % i, array_of(table[i], sizes[1])
        else:
            for i in range(sizes[0]):
                for j in range(sizes[1]):
                    yield '[%d][%d]' % (i, j), array_of(table[i][j], sizes[2])

    def display_hint(self):
        return None


class FixedArrPrinter(ArrayPrinter):
    def to_string(self):
        if int(self.val['data_']) == 0:
            return '%s invalid' % self.name
        return '%s size %d' % (self.name, int(self.val['size_']))

    def children(self):
        if int(self.val['data_']) == 0:
            return iter(())
        return items(self.val['data_'], int(self.val['size_']))


class FixedArr2DPrinter(Printer):
    def to_string(self):
        v = self.val
        if int(v['rows_']) == 0:
            return '%s invalid' % self.name
        return '%s size %d x %d' % (self.name, int(v['size_i_']), int(v['size_j_']))

    def children(self):
        v = self.val
        rows, n, m = v['rows_'], int(v['size_i_']), int(v['size_j_'])
        if int(rows) == 0 or m == 0:
            return
        for i in range(n):
            yield '[%d]' % i, array_of(rows[i], m)


def variable_block_size(b):
    # Blocks of 8, 8, 16, ..., 1024, then 2048 elements each.
    if b < 2:
        return 8
    return 8 << min(b - 1, 8)


class VariableArrPrinter(ArrayPrinter):
    """The size counts elements appended through the append cursor too."""

    def size(self):
        v = self.val
        if int(v['at_']):
            return int(v['cursor_first_']) + int(v['at_'] - v['cursor_'])
        return int(v['size_'])

    def to_string(self):
        return '%s size %d blocks %d' % (
            self.name, self.size(), dyn_arr_size(self.val['blocks_']))

    def children(self):
        elem = template_arg(self.val, 'coVariableArrT<', 1)
        table = self.val['blocks_']['data_']
        left = self.size()
        b = 0
        i = 0
        while left > 0:
            block = table[b].cast(elem.pointer())
            n = min(left, variable_block_size(b))
            for k in range(n):
                yield '[%d]' % i, block[k]
                i += 1
            left -= n
            b += 1


class VariableArrIterPrinter(Printer):
    """The index and the element under the walker, or not walking."""

    def to_string(self):
        v = self.val
        if int(v['remaining_']) == 0:
            return '%s not walking' % self.name
        block = int(v['block_'])
        index = sum(variable_block_size(b) for b in range(block))
        index += int(v['next_'] - 1 - v['block_data_'])
        return '%s at %d: %s' % (self.name, index, (v['next_'] - 1).dereference().format_string())


class PrgArrayPrinter(Printer):
    def to_string(self):
        p = self.val['pointer_']
        if int(p) == 0:
            return '%s empty' % self.name
        return '%s owning %s' % (self.name, p.format_string())


def register(collection):
    add = collection.add_printer
    add('coDynArr', '^[A-Za-z0-9_]*coDynArr$', DynArrPrinter)
    add('coDynArrcoIterator', '^[A-Za-z0-9_]*coDynArrcoIterator$', DynArrIterPrinter)
    add('coStackFast', '^[A-Za-z0-9_]*coStackFast$', StackFastPrinter)
    add('coDynArr2D', '^[A-Za-z0-9_]*coDynArr2D$', lambda v: GridPrinter(v, 2))
    add('coDynArr3D', '^[A-Za-z0-9_]*coDynArr3D$', lambda v: GridPrinter(v, 3))
    add('coFixedArr', '^[A-Za-z0-9_]*coFixedArr$', FixedArrPrinter)
    add('coFixedArr2D', '^[A-Za-z0-9_]*coFixedArr2D$', FixedArr2DPrinter)
    add('coVariableArr', '^[A-Za-z0-9_]*coVariableArr$', VariableArrPrinter)
    add('coVariableArrcoIterator', '^[A-Za-z0-9_]*coVariableArrcoIterator$',
        VariableArrIterPrinter)
    add('coPrgArray', '^[A-Za-z0-9_]*coPrgArray$', PrgArrayPrinter)
