"""utString and the shared holders (*coPrf)."""

import gdb

from ._support import Printer, field_offset, has_field


class StringPrinter(Printer):
    """The text, quoted; a string without text says so."""

    def to_string(self):
        text = self.val['text_']
        if int(text) == 0:
            return 'utString without text'
        return text.lazy_string(length=int(self.val['length_']))

    def display_hint(self):
        return None if int(self.val['text_']) == 0 else 'string'


class HolderPrinter(Printer):
    """A shared holder: how many holders share the container, then the
    container itself. The holder is a std::shared_ptr of libstdc++ or
    libc++."""

    def pointer(self):
        p = self.val['p_']
        return p['_M_ptr'] if has_field(p, '_M_ptr') else p['__ptr_']

    def to_string(self):
        p = self.pointer()
        if int(p) == 0:
            return '%s empty' % self.name
        holder = self.val['p_']
        if has_field(holder, '_M_refcount'):
            counts, name, extra = holder['_M_refcount']['_M_pi'], '_M_use_count', 0
        else:
            # libc++ counts the owners beyond the first.
            counts, name, extra = holder['__cntrl_'], '__shared_owners_', 1
        uses = 0
        if int(counts):
            # Read the count by its offset: dereferencing the polymorphic
            # count block makes gdb look for its dynamic type, which warns
            # when the program has no RTTI symbol for it.
            offset, field_type = field_offset(counts.type.target(), name)
            at = counts.cast(gdb.lookup_type('char').pointer()) + offset
            uses = int(at.cast(field_type.pointer()).dereference()) + extra
        return '%s shared by %d' % (self.name, uses)

    def children(self):
        p = self.pointer()
        if int(p):
            yield '*', p.dereference()


def register(collection):
    collection.add_printer('utString', '^utString$', StringPrinter)
    collection.add_printer('coPrf', '^[A-Za-z0-9_]*coPrf$', HolderPrinter)
