"""Helpers shared by the printer modules: reaching base classes and
template arguments, reading the arrays the families are built on."""

import gdb


def base_named(val, prefix):
    """The base-class subobject of val whose type name starts with prefix,
    searched depth first; None when there is none."""
    t = val.type.strip_typedefs()
    if (t.tag or t.name or '').startswith(prefix):
        return val
    for f in t.fields():
        if f.is_base_class:
            found = base_named(val.cast(f.type), prefix)
            if found is not None:
                return found
    return None


def template_arg(val, prefix, n):
    """Template argument n of the base class of val named prefix<...>."""
    base = base_named(val, prefix)
    return base.type.strip_typedefs().template_argument(n)


def has_field(val, name):
    """True when the class of val (or of what it points at) has a field of
    that name, its bases included."""
    t = val.type.strip_typedefs()
    if t.code == gdb.TYPE_CODE_PTR:
        t = t.target().strip_typedefs()
    return field_offset(t, name) is not None


def field_offset(t, name):
    """(byte offset, type) of the field name in the class t, searched in its
    bases too; None when there is none."""
    for f in t.strip_typedefs().fields():
        if f.name == name:
            return f.bitpos // 8, f.type
        if f.is_base_class:
            found = field_offset(f.type, name)
            if found is not None:
                return f.bitpos // 8 + found[0], found[1]
    return None


def type_name(val):
    t = val.type.strip_typedefs()
    return t.tag or t.name or str(t)


def array_of(pointer, n):
    """The n elements at pointer as one gdb array value (n >= 1)."""
    return pointer.dereference().cast(pointer.type.target().array(n - 1))


def items(pointer, n):
    for i in range(n):
        yield '[%d]' % i, pointer[i]


def dyn_arr_data(arr):
    """(data pointer, size) of a dynamic array."""
    return arr['data_'], dyn_arr_size(arr)


def dyn_arr_size(arr):
    """Size of a dynamic array, which keeps pointers to its ends."""
    return int(arr['end_'] - arr['data_'])


def dyn_arr_capacity(arr):
    return int(arr['cap_'] - arr['data_'])


def page_arr_element(arr, i):
    """Element i of a paged array; the element type is taken from its
    template."""
    elem = template_arg(arr, 'coPageArrT<', 1)
    shift = int(arr['shift_'])
    table = arr['table_']['data_']
    block = table[i >> shift].cast(elem.pointer())
    return block[i & ((1 << shift) - 1)]


def page_arr_elements(arr):
    for i in range(int(arr['size_'])):
        yield '[%d]' % i, page_arr_element(arr, i)


class Printer(object):
    """Base of the container printers: the value and its type name."""

    def __init__(self, val):
        self.val = val
        self.name = type_name(val)


class ArrayPrinter(Printer):
    def display_hint(self):
        return 'array'
