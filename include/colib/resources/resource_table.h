// Filling and walking resource tables: the table maker (text pairs and
// settings files), the iterator over a table's own entries and the shared
// table holder.
//
//   utBoolcoResourceKey verbose("verbose");
//   coResourceTable t;
//   coResourceTableMaker::merge_entry("verbose", "TRUE", t);   // 0
//   coResourceTableMaker::merge_entry("verbose", "false", t);  // 4: replaced
//   std::istringstream file("# comment\nverbose = true\nvolume = 11\n");
//   coResourceLoadReport report;
//   coResourceTableMaker::load(file, t, report);   // 2 problems: line 2
//                                                 // replaced, line 3 no key
//
// Settings files: one "name = value" per line, blanks around name and value
// trimmed, the value may hold '=' and blanks; lines whose first non-blank
// character is '#' and blank lines are skipped; a line may end in "\r\n".
// Each line is filed on its own: a rejected line files nothing, and the
// loader goes on with the next one unless told to stop.
#pragma once

#include <iosfwd>
#include <vector>

#include <colib/resources/resource.h>

// What the loader found wrong with a line.
enum coResourceLoadIssue {
    // No key is registered under the name (nothing filed).
    coResourceLoadUnknownKey = 1,
    // The value does not convert to the key's type (nothing filed).
    coResourceLoadBadValue = 2,
    // The line replaced an own entry of the table (the new value is filed).
    coResourceLoadReplaced = 3,
    // The line has no '=' (nothing filed).
    coResourceLoadNoEquals = 4,
    // The line is longer than coResourceLoadReport::max_line bytes
    // (nothing filed).
    coResourceLoadTooLong = 5,
    // The line holds a NUL byte (nothing filed).
    coResourceLoadNulByte = 6,
    // The file could not be opened or read (line 0).
    coResourceLoadCannotRead = 7
};

// How the loader files a good line.
enum coResourceLoadMode {
    // merge_entry: a line replacing an own entry is reported.
    coResourceLoadMerge = 0,
    // create_entry: own entries are overwritten without a report.
    coResourceLoadCreate = 1
};

// One problem: the line number (from 1), the kind and the line's text
// (without its line end; the first 80 bytes of a line that is too long).
struct COLIB_API coResourceLoadProblem {
    int line;
    coResourceLoadIssue issue;
    utString text;
};

// "line 3: no such key: volume = 11"
COLIB_API std::ostream &operator<<(std::ostream &os, const coResourceLoadProblem &p);
// The words used above: "no such key", "bad value", "replaced", "no '='",
// "line too long", "NUL byte", "cannot read".
COLIB_API const char *co_resource_load_issue_text(coResourceLoadIssue issue) noexcept;

// What one load did: the problems in line order and the counts.
class COLIB_API coResourceLoadReport {
public:
    static constexpr int max_line = 65536;

    coResourceLoadReport();
    ~coResourceLoadReport();
    coResourceLoadReport(const coResourceLoadReport &);
    coResourceLoadReport(coResourceLoadReport &&) noexcept;
    coResourceLoadReport &operator=(const coResourceLoadReport &);
    coResourceLoadReport &operator=(coResourceLoadReport &&) noexcept;

    const std::vector<coResourceLoadProblem> &problems() const noexcept { return problems_; }
    // Lines read and entries filed (replacing ones included).
    int lines() const noexcept { return lines_; }
    int filed() const noexcept { return filed_; }
    // 1 when no problem was found.
    int ok() const noexcept { return problems_.empty() ? 1 : 0; }
    // Forgets everything (a report may serve several loads; they add up).
    void clear() noexcept;

private:
    friend class coResourceTableMaker;
    std::vector<coResourceLoadProblem> problems_;
    int lines_ = 0;
    int filed_ = 0;
};

// Fills tables from text. Static operations only.
class COLIB_API coResourceTableMaker {
public:
    coResourceTableMaker() = delete;

    // Files a new resource made from value under the key registered as
    // name: 3 when no key has that name, 2 when value does not convert
    // (the table unchanged either way), else 0. An own entry of the table
    // is replaced silently (deleted when the table owned it).
    static coResourceError create_entry(const utString &name, const utString &value,
                                        coResourceTable &table);
    // As create_entry, but answers 4 when an own entry was replaced.
    static coResourceError merge_entry(const utString &name, const utString &value,
                                       coResourceTable &table);

    // Reads a settings file (see above) into table, adding its findings to
    // report. Goes through every line unless stop_at_first is nonzero (then
    // it stops after the first problem). Returns the number of problems
    // this call found. std::bad_alloc propagates; the line being filed is
    // then not filed, and earlier lines stay filed.
    static int load(std::istream &in, coResourceTable &table, coResourceLoadReport &report,
                    coResourceLoadMode mode = coResourceLoadMerge, int stop_at_first = 0);
    // The same from the file at path; a file that cannot be opened gives
    // one coResourceLoadCannotRead problem.
    static int load(const char *path, coResourceTable &table, coResourceLoadReport &report,
                    coResourceLoadMode mode = coResourceLoadMerge, int stop_at_first = 0);

private:
    static coResourceError file(const utString &name, const utString &value, coResourceTable &table,
                                bool merge);
};

// Walks a table's own filled slots in id order:
//
//   coResourceIterator it(&table);
//   while (++it) std::cout << it()->as_string() << '\n';
//
// Fresh and after the last entry it is undefined; ++ from undefined starts
// again at slot 0. Parents are not visited.
class COLIB_API coResourceIterator {
public:
    explicit coResourceIterator(const coResourceTable *table) noexcept
        : table_(table), index_(-1) {}
    ~coResourceIterator() {}

    // To the next filled slot: 1 when there is one, else 0 and undefined.
    int operator++() noexcept {
        int n = table_->size();
        for (++index_; index_ < n; ++index_)
            if (table_->slot(index_)) return 1;
        index_ = -1;
        return 0;
    }
    // The current slot's resource (null when the slot was emptied since the
    // step). Requires a defined iterator (checked).
    const coResourceBase *operator()() const {
        COLIB_EXPECT(index_ >= 0 && index_ < table_->size(), "coResourceIterator", "operator()",
                     "the iterator is undefined");
        return table_->slot(index_);
    }
    int undefined() const noexcept { return index_ == -1; }
    // The current slot (the key id); -1 when undefined.
    int index() const noexcept { return index_; }

private:
    const coResourceTable *table_;
    int index_;
};

// Shares one table between several owners (see foundation/prf.h).
class COLIB_API coResourceTablecoPrf : public coPrfT<coResourceTablecoPrf, coResourceTable> {
public:
    using coPrfT::coPrfT;
};

// Compiled once in the library (src/resources/resource_table.cpp).
#define COLIB_RESOURCE_TABLE_INSTANCES(X) X(coPrfT<coResourceTablecoPrf, coResourceTable>)
COLIB_RESOURCE_TABLE_INSTANCES(COLIB_EXTERN_TEMPLATE)
