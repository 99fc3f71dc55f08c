"""The linked lists and what is built on them: singly and doubly linked
lists with their walkers, stacks and queues, the paged list, the sorted
list and the tree."""

import gdb

from ._support import Printer, base_named, has_field, page_arr_element, template_arg


def slist_of(val):
    return base_named(val, 'coSListCoreT<')


def dlist_of(val):
    return base_named(val, 'coDListBT<')


def ring_of(val):
    """(list core, sentinel link address, item type) of a singly or doubly
    linked list value."""
    core = slist_of(val)
    if core is not None:
        item = core.type.strip_typedefs().template_argument(2)
        return core, int(core['head_'].address), item
    core = dlist_of(val)
    link = core.type.strip_typedefs().template_argument(1)
    item = core.type.strip_typedefs().template_argument(2)
    return core, int(core.cast(link).address), item


def ring_items(val):
    core, sentinel, item = ring_of(val)
    p = core['head_']['next_link_'] if core.type.strip_typedefs().tag.startswith(
        'coSListCoreT<') else core['next_link_']
    i = 0
    while int(p) != sentinel and i < int(core['n_']):
        yield '[%d]' % i, p.cast(item.pointer())['item_']
        p = p['next_link_']
        i += 1


def walker_position(walker):
    """'undefined' or 'on <element>' for a walker over a linked list."""
    ring = base_named(walker, 'coRingWalkerT<')
    lst = ring['list_']
    if int(lst) == 0:
        return 'unbound'
    _, sentinel, item = ring_of(lst.dereference())
    cur = ring['current_']
    if int(cur) == sentinel:
        return 'undefined'
    text = 'on ' + cur.cast(item.pointer())['item_'].format_string()
    indexed = base_named(walker, 'coDListIterT<')
    if indexed is not None:
        text = 'at %d, %s' % (int(indexed['index_']), text)
    return text


class ListPrinter(Printer):
    """Size, then the elements front to back; a list with its own cursor
    also tells where the cursor stands."""

    def to_string(self):
        core = ring_of(self.val)[0]
        text = '%s size %d' % (self.name, int(core['n_']))
        if base_named(self.val, 'coRingWalkerT<') is not None:
            text += ', cursor ' + walker_position(self.val)
        return text

    def children(self):
        return ring_items(self.val)

    def display_hint(self):
        return 'array'


class AdaptorPrinter(ListPrinter):
    """A stack (top first) or a queue (head first) over its inner list."""

    def __init__(self, val):
        super(AdaptorPrinter, self).__init__(val)
        adaptor = base_named(val, 'coSListAdaptorT<')
        self.val = adaptor.cast(adaptor.type.strip_typedefs().template_argument(1))

    def to_string(self):
        return '%s size %d' % (self.name, int(ring_of(self.val)[0]['n_']))


class WalkerPrinter(Printer):
    def to_string(self):
        return '%s %s' % (self.name, walker_position(self.val))


def page_list_link(lst, i):
    return page_arr_element(lst['nodes_'], i)


class PageListPrinter(Printer):
    def to_string(self):
        return '%s size %d' % (self.name, int(self.val['n_']))

    def children(self):
        i = int(self.val['first_'])
        k = 0
        while i != -1 and k < int(self.val['n_']):
            link = page_list_link(self.val, i)
            yield '[%d]' % k, link['item_']
            i = int(link['next_'])
            k += 1

    def display_hint(self):
        return 'array'


class PageListWalkerPrinter(Printer):
    def to_string(self):
        cur = int(self.val['current_'])
        if cur == -1:
            return '%s undefined' % self.name
        link = page_list_link(self.val['list_'].dereference(), cur)
        return '%s on %s (link %d)' % (self.name, link['item_'].format_string(), cur)


def _first_of_pair(pair):
    """The first member of a libc++ compressed pair."""
    return pair[pair.type.strip_typedefs().fields()[0]]['__value_']


def rb_count(tree):
    """The element count of a std::multiset (libstdc++ or libc++)."""
    if has_field(tree, '_M_t'):
        return int(tree['_M_t']['_M_impl']['_M_node_count'])
    return int(_first_of_pair(tree['__tree_']['__pair3_']))


def rb_end(tree):
    """The address of the std::multiset's end node, where its end iterator
    points."""
    if has_field(tree, '_M_t'):
        return int(tree['_M_t']['_M_impl']['_M_header'].address)
    return int(_first_of_pair(tree['__tree_']['__pair1_']).address)


def rb_node_value(node, elem):
    """The value of a red-black tree node: it follows the node's links."""
    char_p = gdb.lookup_type('char').pointer()
    links = node.type.strip_typedefs().target()
    if not has_field(node, '_M_right') and not has_field(node, '__right_'):
        # libc++ iterators hold the end node's type; a value node has the
        # full links.
        links = gdb.lookup_type('std::__1::__tree_node_base<void*>')
    return (node.cast(char_p) + links.sizeof).cast(elem.pointer()).dereference()


def rb_values(tree, elem):
    """The values of a std::multiset's red-black tree in order."""
    if has_field(tree, '_M_t'):
        impl = tree['_M_t']['_M_impl']
        header = impl['_M_header']
        node, count = header['_M_left'], int(impl['_M_node_count'])
        left, right = '_M_left', '_M_right'
    else:
        node, count = _first_of_pair(tree['__tree_']['__pair1_'])['__left_'], rb_count(tree)
        left, right = '__left_', '__right_'
        while int(node) and int(node[left]):
            node = node[left]
    # In order: from the leftmost node, the next is the leftmost of the right
    # subtree, or the first ancestor reached from its left.
    parent_name = '_M_parent' if left == '_M_left' else '__parent_'
    for i in range(count):
        yield rb_node_value(node, elem)
        if i == count - 1:
            break
        if int(node[right]):
            node = node[right]
            while int(node[left]):
                node = node[left]
        else:
            parent = node[parent_name].cast(node.type)
            while node == parent[right]:
                node = parent
                parent = parent[parent_name].cast(node.type)
            if left == '__left_' or node[right] != parent:
                node = parent


class SortedListPrinter(Printer):
    def elements(self):
        elem = template_arg(self.val, 'coSortedListT<', 1)
        return rb_values(self.val['items_'], elem)

    def to_string(self):
        return '%s size %d' % (self.name, rb_count(self.val['items_']))

    def children(self):
        for i, v in enumerate(self.elements()):
            yield '[%d]' % i, v

    def display_hint(self):
        return 'array'


class SortedListWalkerPrinter(Printer):
    def to_string(self):
        lst = self.val['list_']
        position = self.val['position_']
        node = position['_M_node'] if has_field(position, '_M_node') else position['__ptr_']
        if int(node) == rb_end(lst['items_']):
            return '%s undefined' % self.name
        elem = template_arg(lst.dereference(), 'coSortedListT<', 1)
        return '%s on %s' % (self.name, rb_node_value(node, elem).format_string())


class TreePrinter(Printer):
    """A node: its object, then its child nodes, each printed the same way
    (one level deeper with `set print pretty on`)."""

    def to_string(self):
        if int(self.val['parent_']) == 0:
            return 'coTree root'
        return 'coTree node'

    def children(self):
        obj = self.val['object_']
        if int(obj):
            yield 'object', obj.cast(obj.dynamic_type).dereference()
        kids = self.val['children_']
        if int(kids) == 0:
            return
        for i, (_, child) in enumerate(ring_items(kids.dereference())):
            yield '[%d]' % i, child.dereference()


def register(collection):
    add = collection.add_printer
    add('coSListB', '^[A-Za-z0-9_]*coSList(B)?$', ListPrinter)
    add('coSListBcoIterator', '^[A-Za-z0-9_]*coSListBco(Iterator|Cursor)$', WalkerPrinter)
    add('coDListB', '^[A-Za-z0-9_]*coDList(B)?$', ListPrinter)
    add('coTreeList', '^coTreeList$', ListPrinter)
    add('coDListBcoIterator', '^[A-Za-z0-9_]*coDList(B)?co(IteratorB|Iterator|Cursor)$',
        WalkerPrinter)
    add('coStack', '^[A-Za-z0-9_]*co(Stack|Queue)$', AdaptorPrinter)
    add('coPageDList', '^[A-Za-z0-9_]*coPageDList$', PageListPrinter)
    add('coPageDListcoIterator', '^[A-Za-z0-9_]*coPageDListco(Iterator|Cursor)$',
        PageListWalkerPrinter)
    add('coSortedList', '^[A-Za-z0-9_]*coSortedList$', SortedListPrinter)
    add('coSortedListcoIterator', '^[A-Za-z0-9_]*coSortedListco(Iterator|Cursor)$',
        SortedListWalkerPrinter)
    add('coTree', '^coTree$', TreePrinter)
