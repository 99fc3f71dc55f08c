"""The paged arrays and their walker."""

from ._support import ArrayPrinter, Printer, page_arr_elements


class PageArrPrinter(ArrayPrinter):
    def to_string(self):
        v = self.val
        return '%s size %d blocks %d of %d' % (
            self.name, int(v['size_']), int(v['block_count_']), int(v['block_size_']))

    def children(self):
        return page_arr_elements(self.val)


class PageArrIterPrinter(Printer):
    """The index and the element under the walker, or not walking."""

    def to_string(self):
        v = self.val
        if int(v['remaining_']) == 0:
            return '%s not walking' % self.name
        remaining = int(v['remaining_']) - int(v['next_'] - 1 - v['block_data_'])
        index = int(v['array_']['size_']) - remaining
        return '%s at %d: %s' % (self.name, index, (v['next_'] - 1).dereference().format_string())


def register(collection):
    collection.add_printer('coPageArr', '^[A-Za-z0-9_]*coPageArr$', PageArrPrinter)
    collection.add_printer('coPageArrcoIterator', '^[A-Za-z0-9_]*coPageArrcoIterator$',
                           PageArrIterPrinter)
