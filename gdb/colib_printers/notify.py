"""gdb views of the call lists and the feature pool.

coCallList, coReceiver and the sender's calls show their registrations
front to back (newest first); a registration shows its reason id, kind,
both ends and the function, and whether it is active; coSender shows its
flag, garbage limit and count and its calls; coFeaturePool shows its
features front to back; the holder shows the feature it owns.
"""

import gdb

# Links shown at most, so that a huge list does not flood the screen.
LIMIT = 2000

_CALL_LIST = "coCallFunccoSListBPtrcoPtrcoSListB"
_FEATURE_LIST = "basecoFeaturecoSListBPrgcoPrgcoSListB"


def _ring(list_val, base_name):
    """(index, element) of a singly linked ring list, front to back."""
    core = list_val.cast(gdb.lookup_type(base_name))
    head = core["head_"].address
    link = core["head_"]["next_link_"]
    item_type = gdb.lookup_type(base_name[:-len("coSListB")] + "coSLinkItem").pointer()
    i = 0
    while link != head and i < LIMIT:
        yield i, link.cast(item_type).dereference()["item_"]
        link = link.dereference()["next_link_"]
        i += 1


def _name(val):
    t = val.type.strip_typedefs()
    if t.code == gdb.TYPE_CODE_REF:
        t = t.target().strip_typedefs()
    return t.unqualified().name


def _count(list_val, base_name):
    return int(list_val.cast(gdb.lookup_type(base_name))["n_"])


class CallFuncPrinter:
    """coCallFunc: one registration."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        v = self.val
        rec, snd = v["receiver_"], v["sender_"]
        state = "live" if int(rec) and int(snd) else "half-dropped"
        return "coCallFunc reason %d kind %d %s receiver %s sender %s function %s" % (
            int(v["reason_"]["id_"]), int(v["kind_"]), state, rec, snd, v["function_"])


class CallReasonPrinter:
    """coCallReason: its id."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        return "coCallReason %d" % int(self.val["id_"])


class CallListPrinter:
    """coCallList and coReceiver: the registrations, newest first."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        name = _name(self.val)
        text = "%s with %d links" % (name, _count(self.val, _CALL_LIST))
        try:
            rec = self.val.cast(gdb.lookup_type("coReceiver"))
            text += ", receiving %d, garbage %d of %d" % (
                int(rec["receiving_flag_"]), int(rec["garbage_count_"]),
                int(rec["garbage_limit_"]))
        except gdb.error:
            pass
        if int(self.val.cast(gdb.lookup_type("coCallList"))["walk_"]):
            text += " (being walked)"
        return text

    def children(self):
        for i, f in _ring(self.val, _CALL_LIST):
            yield "[%d]" % i, f.dereference() if int(f) else f

    def display_hint(self):
        return "array"


class SenderPrinter:
    """coSender: its flag, garbage limit and count, then its calls."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        v = self.val
        return "coSender sending %d, garbage %d of %d, %d links" % (
            int(v["sending_flag_"]), int(v["garbage_count_"]), int(v["garbage_limit_"]),
            _count(v["calls_"], _CALL_LIST))

    def children(self):
        for i, f in _ring(self.val["calls_"], _CALL_LIST):
            yield "[%d]" % i, f.dereference() if int(f) else f

    def display_hint(self):
        return "array"


class FeaturePoolPrinter:
    """coFeaturePool: the held features, front to back."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        return "%s with %d features" % (_name(self.val),
                                        _count(self.val, _FEATURE_LIST))

    def children(self):
        for i, holder in _ring(self.val, _FEATURE_LIST):
            p = holder["pointer_"]
            yield "[%d]" % i, p.cast(p.dynamic_type).dereference() if int(p) else p

    def display_hint(self):
        return "array"


class FeatureHolderPrinter:
    """basecoFeaturecoSListBPrgcoPrg: the feature it owns, or null."""

    def __init__(self, val):
        self.val = val

    def to_string(self):
        p = self.val["pointer_"]
        if not int(p):
            return "basecoFeaturecoSListBPrgcoPrg null"
        return "basecoFeaturecoSListBPrgcoPrg owning %s" % p.dynamic_type


def register(collection):
    collection.add_printer("coCallFunc", "^coCallFunc$", CallFuncPrinter)
    collection.add_printer("coCallReason", "^coCallReason$", CallReasonPrinter)
    collection.add_printer("coCallList", "^(coCallList|coReceiver)$", CallListPrinter)
    collection.add_printer("coSender", "^coSender$", SenderPrinter)
    collection.add_printer("coFeaturePool", "^coFeaturePool$", FeaturePoolPrinter)
    collection.add_printer("basecoFeaturecoSListBPrgcoPrg", "^basecoFeaturecoSListBPrgcoPrg$",
                           FeatureHolderPrinter)
