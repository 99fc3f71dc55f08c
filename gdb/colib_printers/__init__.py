"""gdb pretty-printers for colib containers.

Every module of this package but those whose names start with an underscore
(helpers) defines register(collection), which adds its printers to one
gdb.printing.RegexpCollectionPrettyPrinter. New modules are picked up by
name, so a family's printers live in one file beside the others.

    python
    import sys; sys.path.insert(0, '<path>/gdb')
    import colib_printers; colib_printers.register()
    end
"""

import importlib
import os

import gdb.printing


def build_collection():
    collection = gdb.printing.RegexpCollectionPrettyPrinter('colib')
    here = os.path.dirname(os.path.abspath(__file__))
    for name in sorted(os.listdir(here)):
        stem, ext = os.path.splitext(name)
        if ext != '.py' or stem.startswith('_'):
            continue
        module = importlib.import_module(__name__ + '.' + stem)
        module.register(collection)
    return collection


def register(objfile=None):
    """Registers the printers for objfile (None: for every program)."""
    gdb.printing.register_pretty_printer(objfile, build_collection(), replace=True)
