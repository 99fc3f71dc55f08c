"""The hash sets, pair sets, pointer sets and tables."""

import gdb

from ._support import Printer, base_named


def is_nil(v):
    """Whether a slot value is its type's nil (the empty-slot marker)."""
    t = v.type.strip_typedefs()
    name = t.tag or t.name or ''
    if name == 'utString':
        return int(v['text_']) == 0
    if t.code == gdb.TYPE_CODE_PTR:
        return int(v) == 0
    if t.code == gdb.TYPE_CODE_FLT:
        return float(v) == -1.7976931348623157e308
    if t.code == gdb.TYPE_CODE_INT:
        return int(v) == -2147483648
    if t.code == gdb.TYPE_CODE_STRUCT:
        # A table pair: nil when its key is.
        return is_nil(v['key_'])
    return False


def set_slots(s):
    """(slot index, element) of every element in slot order."""
    slots = s['slots_']
    if int(slots) == 0:
        return
    for i in range(1 << int(s['bits_'])):
        if not is_nil(slots[i]):
            yield i, slots[i]


def set_header(name, s):
    base = base_named(s, 'basecoSet')
    slots = (1 << int(base['bits_'])) if int(s['slots_']) else 0
    return '%s count %d slots %d' % (name, int(base['count_']), slots)


class SetPrinter(Printer):
    """The elements in slot order, each under its slot number."""

    def to_string(self):
        return set_header(self.name, self.val)

    def children(self):
        for i, v in set_slots(self.val):
            yield '[%d]' % i, v


class PointerSetPrinter(SetPrinter):
    def __init__(self, val):
        super(PointerSetPrinter, self).__init__(val)
        self.val = val['set_']


class TablePrinter(Printer):
    """key = value per stored pair, in slot order."""

    def to_string(self):
        return set_header(self.name, self.val['set_'])

    def children(self):
        for _, pair in set_slots(self.val['set_']):
            yield 'key', pair['key_']
            yield 'value', pair['obj_']

    def display_hint(self):
        return 'map'


class PairPrinter(Printer):
    def to_string(self):
        return '%s {%s, %s}' % (self.name, self.val['key_'].format_string(),
                                self.val['obj_'].format_string())


class SetIterPrinter(Printer):
    """A set or table walker: its slot and the element there, or not
    valid."""

    def to_string(self):
        it = base_named(self.val, 'basecoSetcoIterator')
        if int(it['valid_']) == 0 or int(it['set_']) == 0:
            return '%s not valid' % self.name
        s = it['set_']
        s = s.cast(s.dynamic_type).dereference()
        if 'slots_' not in [f.name for f in s.type.strip_typedefs().fields()]:
            s = base_named(s, 'coSetT<')
        i = int(it['index_'])
        return '%s at slot %d: %s' % (self.name, i, s['slots_'][i].format_string())


def register(collection):
    add = collection.add_printer
    add('coSet', '^[A-Za-z0-9_]*coSet$', SetPrinter)
    add('coPointerSet', '^[A-Za-z0-9_]*coPointerSet$', PointerSetPrinter)
    add('coTable', '^[A-Za-z0-9_]*coTable$', TablePrinter)
    add('coTableP', '^[A-Za-z0-9_]*coTableP$', PairPrinter)
    add('coSetcoIterator', '^[A-Za-z0-9_]*(coSetcoIterator|coTablecoIterator2)$', SetIterPrinter)
