"""gdb views of the typed resources.

intcoResource ... utStringcoResource show their value, key id and owner;
the keys show their id and name; coResourceTable shows its own entries as
"[id] = resource" in id order with its slot count and parent; the modifiers
show the key id and what they saved; coResourceIterator shows the slot it
stands on; coResourceTablecoPrf shows the shared table.
"""

import gdb

# Entries shown at most, so that a huge table does not flood the screen.
LIMIT = 2000


def _field(val, name):
    """val's field name, looked up through the base classes too."""
    t = val.type.strip_typedefs()
    for f in t.fields():
        if f.name == name:
            return val[f]
    for f in t.fields():
        if f.is_base_class:
            try:
                return _field(val.cast(f.type), name)
            except KeyError:
                pass
    raise KeyError(name)


def _text(s):
    """A utString's text, or None without text."""
    p = s["text_"]
    if int(p) == 0:
        return None
    return p.string(length=int(s["length_"]))


def _key_id(key_ptr):
    return "none" if int(key_ptr) == 0 else str(int(key_ptr.dereference()["id_"]))


def _slots(table):
    """(id, resource pointer) of the table's filled own slots."""
    size = int(_field(table, "size_"))
    shift = int(_field(table, "shift_"))
    blocks = _field(table, "table_")["data_"]
    elem = gdb.lookup_type("coResourceBase").pointer()
    for i in range(size):
        block = blocks[i >> shift].cast(elem.pointer())
        r = block[i & ((1 << shift) - 1)]
        if int(r) != 0:
            yield i, r


class ResourcePrinter:
    def __init__(self, val):
        self.val = val

    def to_string(self):
        name = self.val.type.strip_typedefs().name
        v = _field(self.val, "value_")
        if v.type.strip_typedefs().name == "utString":
            t = _text(v)
            shown = '"%s"' % t if t is not None else "<no text>"
        else:
            shown = str(v)
        if int(_field(self.val, "table_")):
            owner = "attached"
        elif int(_field(self.val, "modifier_")):
            owner = "a modifier's"
        else:
            owner = "table-owned"
        return "%s %s (key %s, %s)" % (name, shown, _key_id(_field(self.val, "key_")), owner)


class KeyPrinter:
    def __init__(self, val):
        self.val = val

    def to_string(self):
        name = _text(_field(self.val, "name_"))
        return "%s id %d%s" % (self.val.type.strip_typedefs().name,
                               int(_field(self.val, "id_")),
                               ' "%s"' % name if name is not None else " (unnamed)")


class TablePrinter:
    def __init__(self, val):
        self.val = val

    def to_string(self):
        parent = _field(self.val, "parent_")
        return "coResourceTable, %d slots%s" % (
            int(_field(self.val, "size_")),
            ", parent %s" % parent if int(parent) else "")

    def children(self):
        for shown, (i, r) in enumerate(_slots(self.val)):
            if shown >= LIMIT:
                return
            try:
                yield "[%d]" % i, r.dereference().cast(r.dynamic_type.target())
            except gdb.error:
                yield "[%d]" % i, r


class ModifierPrinter:
    def __init__(self, val):
        self.val = val

    def to_string(self):
        return "%s of key %s, saved %s" % (self.val.type.strip_typedefs().name,
                                            _key_id(_field(self.val, "key_")),
                                            _field(self.val, "saved_"))


class IteratorPrinter:
    def __init__(self, val):
        self.val = val

    def to_string(self):
        i = int(self.val["index_"])
        return "coResourceIterator %s" % ("undefined" if i < 0 else "at slot %d" % i)


class PrfPrinter:
    def __init__(self, val):
        self.val = val

    def to_string(self):
        p = _field(self.val, "p_")
        return "coResourceTablecoPrf %s" % p


def register(collection):
    collection.add_printer("coResource", r"^(int|double|utBool|utString)coResource$",
                           ResourcePrinter)
    collection.add_printer("coResourceKey",
                           r"^((int|double|utBool|utString)coResourceKey|coResourceKeyBase)$",
                           KeyPrinter)
    collection.add_printer("coResourceTable", r"^coResourceTable$", TablePrinter)
    collection.add_printer("coResourceModifier",
                           r"^((int|double|utBool|utString)coResourceModifier|"
                           r"coResourceModifierBase)$", ModifierPrinter)
    collection.add_printer("coResourceIterator", r"^coResourceIterator$", IteratorPrinter)
    collection.add_printer("coResourceTablecoPrf", r"^coResourceTablecoPrf$", PrfPrinter)
