#!/usr/bin/env python3
"""Draws the colib / peer time ratios of the benchmarks as one SVG chart.

    python3 bench/chart.py                      # build/bench/*_bench.json -> docs/performance.svg
    python3 bench/chart.py -o out.svg a.json b.json

The input is Google Benchmark's JSON output, as the bench workflow writes it
(`cmake --workflow --preset bench` leaves build/bench/<name>_bench.json). Only
the Python standard library is used.

Pairing rule. Within one file, every case name is split into an operation
and a side, after dropping a leading "BM_" and a trailing "/iterations:N":

  - "Name<Side>/args" (a benchmark template over the container): the
    operation is "Name/args", the side "Side"; a numeric template argument
    ("BM_Walk_PageArr<12>") is part of the operation instead, and the name
    is split as below;
  - "Op_Side" (the last "_" part names the container): the operation is
    "Op", the side "Side";
  - "Side_Op" when the first part is a known side (the array benchmarks):
    the operation is "Op";
  - ALIASES renames an operation whose colib and peer cases use different
    words for it ("PushBack" is "Append");
  - EXPLICIT pairs, per file, the cases whose names fit none of these.

A side is a peer when it names a standard or third-party container (PEERS
below), otherwise it is colib. For each operation, the first colib case in
the file's order is compared with its first peer case (PREFERRED_PEER picks
another one for a file), so a file's main peer is the one it registers
first. The ratio is colib's median real time over the peer's (mean when the
run has no median; a "bytes_per_elem" counter, as the memory cases report,
is compared instead of time). One bar per operation, grouped by file; bars
left of the 1.0 line are operations where colib is faster or smaller. Cases
left without a partner are listed on stderr.
"""

import argparse
import glob
import html
import json
import math
import os
import re
import sys

# Sides that are not colib: the standard library's containers, the peers'
# (absl, boost) and plain language facilities.
PEERS = re.compile(
    r"^(std::|absl::|boost::|Std|Absl|Boost|Vector|Deque|Map|Flat|Nested|ForwardList|NewArray|"
    r"UniquePtr|PlainNew|PlainCount|SharedPtr|Signals2|StdFunction|std_|getline)",
    re.IGNORECASE)
# Sides that lead the name in the array benchmarks ("DynArr_Append").
LEADING_SIDES = {"DynArr", "Vector", "FixedArr", "NewArray", "UniquePtr", "StackFast",
                 "StdStack", "PrgArray", "PlainNew", "VariableArr", "Deque", "Matrix",
                 "Flat", "Nested"}
ALIASES = {"PushBack": "Append", "PushBack_Reserved": "Append_Reserved",
           "Own": "Own", "Walk": "Walk"}
# file stem -> regular expression of the preferred peer side
PREFERRED_PEER = {"hash_set_bench": r"^Absl", "string_copy_bench": r"^StdString",
                  "word_count_bench": r"^AbslView"}
# Cases whose names follow no pattern above: file stem -> (operation,
# colib case, peer case), charted before the automatic pairs. A case run
# over arguments ("BM_colib_read_safe/0") pairs with the peer's case of the
# same arguments, one bar per argument.
EXPLICIT = {
    "lists_bench": [("PushPop Queue", "BM_PushPop_Queue", "BM_PushPop_StdQueue<std::queue<int>>")],
    "paged_sort_bench": [("IndexSort", "BM_IndexSort", "BM_StdSort")],
    "hand_loops_bench": [("paged append", "PageArr_Append", "Deque_PushBack"),
                         ("paged random read", "PageArr_RandomRead", "Vector_RandomRead"),
                         ("append reserved", "DynArr_AppendReserved", "Vector_PushBackReserved"),
                         ("variable random read", "VariableArr_RandomRead", "Vector_RandomRead"),
                         ("append 64K, step 1", "DynArr_AppendDefault", "Vector_PushBack")],
    "resources_bench": [("read", "BM_colib_read_safe", "BM_std_map_by_name"),
                        ("load", "BM_colib_load", "BM_std_getline_into_map")],
    "stack_fast_bench": [("PushPop", "StackFast_PushPop_Step4096", "StdStack_PushPop")],
    "paged_bench": [("Walk", "BM_Walk_PageArr<8>", "BM_Walk_Vector"),
                    ("RandomRead", "BM_RandomRead_PageArr<8>", "BM_RandomRead_Vector")],
    "notify_bench": [("RegisterDrop, limit 1", "BM_RegisterDrop_colib/1",
                      "BM_RegisterDrop_Signals2")],
}
FAMILY_NAMES = {
    "dyn_arr_bench": "dynamic array", "dyn_arr2d_bench": "2D array",
    "fixed_arr_bench": "fixed array", "variable_arr_bench": "variable array",
    "stack_fast_bench": "fast stack", "paged_bench": "paged array",
    "paged_sort_bench": "index sort", "hash_set_bench": "hash set (vs absl)",
    "hashed_arr_bench": "hashed array", "word_count_bench": "word count",
    "lists_bench": "singly linked lists", "dlist_bench": "doubly linked list",
    "page_dlist_bench": "paged list", "sorted_list_bench": "sorted list",
    "sparse_bench": "sparse matrix", "resources_bench": "resources",
    "notify_bench": "call lists", "string_copy_bench": "strings",
    "hand_loops_bench": "everyday loops",
}


def split_case(name):
    """(operation, side) of a case name, or None."""
    name = re.sub(r"/iterations:\d+$", "", name)
    name = re.sub(r"^BM_", "", name)
    args = ""
    m = re.match(r"^([^/]*?)(/.*)?$", name)
    base, args = m.group(1), m.group(2) or ""
    t = re.match(r"^(\w+)<(.*)>$", base)
    if t:
        targ = t.group(2).strip()
        if re.fullmatch(r"[\d, ]+", targ):
            base, args = t.group(1), "<%s>%s" % (targ, args)
        else:
            return t.group(1) + args, targ
    parts = base.split("_")
    if len(parts) < 2:
        return None
    if parts[0] in LEADING_SIDES:
        op, side = "_".join(parts[1:]), parts[0]
    else:
        op, side = "_".join(parts[:-1]), parts[-1]
    return ALIASES.get(op, op) + args, side


def case_value(entries):
    """The figure a case is compared by: bytes per element or a time."""
    by_agg = {e.get("aggregate_name", ""): e for e in entries}
    e = by_agg.get("median") or by_agg.get("mean") or by_agg.get("")
    if e is None:
        e = entries[0]
    if "bytes_per_elem" in e:
        return float(e["bytes_per_elem"]), "memory"
    scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[e.get("time_unit", "ns")]
    return float(e["real_time"]) * scale, "time"


def pairs_of(path):
    stem = os.path.splitext(os.path.basename(path))[0]
    with open(path) as f:
        data = json.load(f)
    cases = {}
    order = []
    for b in data.get("benchmarks", []):
        if b.get("error_occurred"):
            continue
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") not in ("median", "mean"):
            continue
        name = b.get("run_name", b["name"])
        if name not in cases:
            cases[name] = []
            order.append(name)
        cases[name].append(b)
    ops = {}
    for name in order:
        split = split_case(name)
        if not split:
            continue
        op, side = split
        ops.setdefault(op, []).append((name, side, bool(PEERS.match(side))))
    preferred = PREFERRED_PEER.get(stem)
    bars, used = [], set()
    for op, c0, p0 in EXPLICIT.get(stem, []):
        for c in [n for n in order if n == c0 or n.startswith(c0 + "/")]:
            p = p0 + c[len(c0):]
            if p not in cases:
                continue
            cv, _ = case_value(cases[c])
            pv, _ = case_value(cases[p])
            if cv > 0 and pv > 0:
                used.update((c, p))
                bars.append(("%s%s: %s vs %s" % (op, c[len(c0):], c0.replace("BM_", ""),
                                                  p0.replace("BM_", "")), cv / pv))
    for op, sides in ops.items():
        sides = [s for s in sides if s[0] not in used]
        colib = [s for s in sides if not s[2]]
        peers = [s for s in sides if s[2]]
        if preferred:
            peers = [s for s in peers if re.match(preferred, s[1])] or peers
        if not colib or not peers:
            continue
        c, p = colib[0], peers[0]
        cv, kind = case_value(cases[c[0]])
        pv, _ = case_value(cases[p[0]])
        if pv <= 0 or cv <= 0:
            continue
        used.update((c[0], p[0]))
        label = "%s: %s vs %s" % (op.replace("_", " "), c[1], p[1])
        if kind == "memory":
            label += " (bytes)"
        bars.append((label, cv / pv))
    for name in order:
        if name not in used:
            print("%s: %s is not charted" % (stem, name), file=sys.stderr)
    return FAMILY_NAMES.get(stem, stem.replace("_bench", "")), bars


def svg(groups):
    lo, hi = -5.0, 7.0  # log2 of the axis ends: 1/32 to 128
    left, plot_w, bar_h, gap = 430, 420, 14, 4
    rows = sum(1 + len(b) for _, b in groups)
    top = 40
    height = top + rows * (bar_h + gap) + 40
    width = left + plot_w + 70

    def x_of(r):
        v = min(max(math.log2(r), lo), hi)
        return left + (v - lo) / (hi - lo) * plot_w

    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
           'font-family="sans-serif" font-size="11">' % (width, height),
           '<rect width="100%" height="100%" fill="white"/>',
           '<text x="%d" y="18" font-size="13" font-weight="bold">colib time (or memory) '
           '/ peer, log scale: left of 1 is better</text>' % 10]
    for e in range(int(lo), int(hi) + 1):
        x = x_of(2.0 ** e)
        label = ("%g" % 2.0 ** e) if e >= 0 else "1/%d" % 2 ** -e
        out.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="#ddd"/>'
                   % (x, top - 6, x, height - 30))
        out.append('<text x="%.1f" y="%d" text-anchor="middle" fill="#555">%s</text>'
                   % (x, height - 16, label))
    y = top
    for family, bars in groups:
        out.append('<text x="10" y="%d" font-weight="bold">%s</text>'
                   % (y + bar_h - 3, html.escape(family)))
        y += bar_h + gap
        for label, r in bars:
            x0, x1 = x_of(1.0), x_of(r)
            colour = "#2e7d32" if r <= 1.0 else "#c62828"
            out.append('<text x="%d" y="%d" text-anchor="end">%s</text>'
                       % (left - 6, y + bar_h - 3, html.escape(label)))
            out.append('<rect x="%.1f" y="%d" width="%.1f" height="%d" fill="%s"/>'
                       % (min(x0, x1), y, max(abs(x1 - x0), 1), bar_h, colour))
            out.append('<text x="%.1f" y="%d" fill="#333">%.2f</text>'
                       % (max(x0, x1) + 4, y + bar_h - 3, r))
            y += bar_h + gap
    out.append('<line x1="%.1f" y1="%d" x2="%.1f" y2="%d" stroke="black" stroke-width="1.5"/>'
               % (x_of(1.0), top - 6, x_of(1.0), height - 30))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("json", nargs="*", help="benchmark JSON files (default build/bench/*_bench.json)")
    ap.add_argument("-o", "--output", default=os.path.join(root, "docs", "performance.svg"))
    args = ap.parse_args()
    files = args.json or sorted(glob.glob(os.path.join(root, "build", "bench", "*_bench.json")))
    if not files:
        sys.exit("no benchmark JSON: run cmake --workflow --preset bench first")
    groups = [g for g in (pairs_of(f) for f in files) if g[1]]
    with open(args.output, "w") as f:
        f.write(svg(groups))
    print("%s: %d bars from %d files" % (args.output, sum(len(b) for _, b in groups), len(files)))


if __name__ == "__main__":
    main()
