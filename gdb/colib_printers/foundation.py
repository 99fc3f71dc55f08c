"""utString and the shared holders (*coPrf)."""

import gdb

from ._support import Printer


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
    container itself."""

    def pointer(self):
        return self.val['p_']['_M_ptr']

    def to_string(self):
        p = self.pointer()
        if int(p) == 0:
            return '%s empty' % self.name
        counts = self.val['p_']['_M_refcount']['_M_pi']
        uses = 0
        if int(counts):
            # Read the count by its offset: dereferencing the polymorphic
            # count block makes gdb look for its dynamic type, which warns
            # when the program has no RTTI symbol for it.
            field = [f for f in counts.type.target().strip_typedefs().fields()
                     if f.name == '_M_use_count'][0]
            at = counts.cast(gdb.lookup_type('char').pointer()) + field.bitpos // 8
            uses = int(at.cast(field.type.pointer()).dereference())
        return '%s shared by %d' % (self.name, uses)

    def children(self):
        p = self.pointer()
        if int(p):
            yield '*', p.dereference()


def register(collection):
    collection.add_printer('utString', '^utString$', StringPrinter)
    collection.add_printer('coPrf', '^[A-Za-z0-9_]*coPrf$', HolderPrinter)
