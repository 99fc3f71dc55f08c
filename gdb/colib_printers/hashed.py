"""gdb views of the hashed arrays and their key sets.

charcoHashedArr ... utAnycoHashedArr show "[index] = value" for every
written index; intcoHashedArr2D and charcoHashedArr2D show
"[first, second] = value"; the key sets (coHashedArrPcoSet,
coHashedArr2DPcoSet) show their keys with the element addresses. All in
key-slot order, the order range-for walks.
"""

import gdb

# Entries shown at most, so that a huge array does not flood the screen.
LIMIT = 2000


def _base(val):
    """The template base (coHashedArrT<...>, coSetT<...>) of a concrete class."""
    return val.cast(val.type.strip_typedefs().fields()[0].type)


def _keys(keyset):
    """The stored keys of a key set, in slot order (nil slots skipped)."""
    s = _base(keyset)
    slots = s["slots_"]
    if int(slots) == 0:
        return
    n = 1 << int(s["bits_"])
    for i in range(n):
        k = slots[i]
        if "index_" in [f.name for f in k.type.fields()]:
            if int(k["index_"]) != -1:
                yield k
        elif int(k["i1_"]) != -1 or int(k["i2_"]) != -1:
            yield k


def _count(keyset):
    return int(_base(keyset)["count_"])


class KeySetPrinter:
    """coHashedArrPcoSet, coHashedArr2DPcoSet."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        return "%s with %d keys, %d slots" % (
            self.val.type.strip_typedefs().name, _count(self.val),
            1 << int(_base(self.val)["bits_"]))

    def children(self):
        for shown, k in enumerate(_keys(self.val)):
            if shown >= LIMIT:
                return
            if "index_" in [f.name for f in k.type.fields()]:
                yield "[%d]" % int(k["index_"]), k["object_"]
            else:
                yield "[%d, %d]" % (int(k["i1_"]), int(k["i2_"])), k["object_"]


class HashedArrPrinter:
    """coHashedArr (one index) and coHashedArr2D (two) members."""

    def __init__(self, val):
        self.val = val
        self.base = _base(val)
        self.elem = self.base.type.template_argument(1)

    def to_string(self):
        name = self.val.type.strip_typedefs().name
        n = _count(self.base["keys_"])
        if "2D" not in name:
            return "%s with %d elements, size %d" % (name, n, int(self.base["largest_"]) + 1)
        return "%s with %d elements, largest indexes %d and %d" % (
            name, n, int(self.base["largest1_"]), int(self.base["largest2_"]))

    def children(self):
        ptr = self.elem.pointer()
        for shown, k in enumerate(_keys(self.base["keys_"])):
            if shown >= LIMIT:
                return
            if "index_" in [f.name for f in k.type.fields()]:
                yield "[%d]" % int(k["index_"]), k["object_"].cast(ptr).dereference()
            else:
                yield ("[%d, %d]" % (int(k["i1_"]), int(k["i2_"])),
                       k["object_"].cast(ptr).dereference())


def register(collection):
    collection.add_printer("coHashedArr", r"^(char|int|double|utAny)coHashedArr(2D)?$",
                           HashedArrPrinter)
    collection.add_printer("coHashedArrPcoSet", r"^coHashedArr(2D)?PcoSet$", KeySetPrinter)
