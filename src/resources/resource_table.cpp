#include <colib/resources/resource_table.h>

#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

COLIB_RESOURCE_TABLE_INSTANCES(COLIB_INSTANTIATE)

// ---- the table maker -------------------------------------------------

coResourceError coResourceTableMaker::file(const utString &name, const utString &value,
                                           coResourceTable &table, bool merge) {
    coResourceKeyBase *key = coResourceKeyBase::get_named_key(name);
    if (!key) return coResourceNoSuchKey;
    coResourceError error = coResourceOk;
    coResourceBase *r = key->create_resource_from_string(value, error);
    // A key type that makes no resources from text reports nothing itself.
    if (!r) return error == coResourceOk ? coResourceBadValue : error;
    int id = key->id();
    coResourceBase *old = table.own(id);
    if (!old) {
        try {
            table.claim_resource(key, r);
        } catch (...) {
            delete r;
            throw;
        }
        return error;
    }
    // The slot exists: nothing below can fail. The table lets go of the old
    // entry for good, so it deletes it when it owned it.
    table.enter_resource(key, nullptr);
    coResourceTable::release(old);
    table.claim_resource(key, r);
    return merge ? coResourceReplaced : error;
}

coResourceError coResourceTableMaker::create_entry(const utString &name, const utString &value,
                                                   coResourceTable &table) {
    return file(name, value, table, false);
}

coResourceError coResourceTableMaker::merge_entry(const utString &name, const utString &value,
                                                  coResourceTable &table) {
    return file(name, value, table, true);
}

// ---- the loader ------------------------------------------------------

coResourceLoadReport::coResourceLoadReport() = default;
coResourceLoadReport::~coResourceLoadReport() = default;
coResourceLoadReport::coResourceLoadReport(const coResourceLoadReport &) = default;
coResourceLoadReport::coResourceLoadReport(coResourceLoadReport &&) noexcept = default;
coResourceLoadReport &coResourceLoadReport::operator=(const coResourceLoadReport &) = default;
coResourceLoadReport &coResourceLoadReport::operator=(coResourceLoadReport &&) noexcept = default;

void coResourceLoadReport::clear() noexcept {
    problems_.clear();
    lines_ = 0;
    filed_ = 0;
}

const char *co_resource_load_issue_text(coResourceLoadIssue issue) noexcept {
    switch (issue) {
    case coResourceLoadUnknownKey:
        return "no such key";
    case coResourceLoadBadValue:
        return "bad value";
    case coResourceLoadReplaced:
        return "replaced";
    case coResourceLoadNoEquals:
        return "no '='";
    case coResourceLoadTooLong:
        return "line too long";
    case coResourceLoadNulByte:
        return "NUL byte";
    case coResourceLoadCannotRead:
        return "cannot read";
    }
    return "unknown problem";
}

std::ostream &operator<<(std::ostream &os, const coResourceLoadProblem &p) {
    return os << "line " << p.line << ": " << co_resource_load_issue_text(p.issue) << ": "
              << p.text;
}

namespace {

// Reads lines of at most `limit` bytes from a stream buffer; a longer line
// is consumed to its end but only its first `limit + 1` bytes are kept, so a
// huge line costs no more memory than a long one.
class LineReader {
public:
    LineReader(std::streambuf *sb, std::size_t limit) : sb_(sb), limit_(limit) {}

    // The next line without its '\n' (and without a final '\r'); false at
    // the end of the input. too_long tells that the line was longer than
    // the limit (then only its start is kept).
    bool next(std::string &line, bool &too_long) {
        line.clear();
        bool overflow = false;
        bool any = false;
        for (;;) {
            if (pos_ == end_ && !refill()) break;
            any = true;
            const char *start = buf_ + pos_;
            const char *nl = static_cast<const char *>(std::memchr(start, '\n', end_ - pos_));
            std::size_t n = nl ? static_cast<std::size_t>(nl - start) : end_ - pos_;
            if (!overflow) {
                // limit + 2 bytes tell a line of exactly `limit` bytes and
                // a '\r' from a longer one.
                std::size_t room = limit_ + 2 - line.size();
                overflow = n > room;
                line.append(start, overflow ? room : n);
            }
            pos_ += n;
            if (nl) {
                ++pos_;
                break;
            }
        }
        if (!any) return false;
        if (!overflow && !line.empty() && line.back() == '\r') line.pop_back();
        too_long = overflow || line.size() > limit_;
        return true;
    }

private:
    bool refill() {
        if (!sb_) return false;
        std::streamsize got = sb_->sgetn(buf_, sizeof buf_);
        if (got <= 0) {
            sb_ = nullptr;
            return false;
        }
        pos_ = 0;
        end_ = static_cast<std::size_t>(got);
        return true;
    }

    std::streambuf *sb_;
    std::size_t limit_;
    char buf_[16384];
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
};

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// [b, e) without blanks at either end.
void trim(const char *&b, const char *&e) {
    while (b < e && is_blank(*b))
        ++b;
    while (e > b && is_blank(e[-1]))
        --e;
}

utString text_of(const std::string &line, bool cut) {
    if (cut) return utString(line.data(), 80);
    return utString(line.data(), static_cast<int>(line.size()));
}

} // namespace

int coResourceTableMaker::load(std::istream &in, coResourceTable &table,
                               coResourceLoadReport &report, coResourceLoadMode mode,
                               int stop_at_first) {
    std::size_t before = report.problems_.size();
    auto problem = [&](int line, coResourceLoadIssue issue, utString text) {
        report.problems_.push_back(coResourceLoadProblem{line, issue, std::move(text)});
        return stop_at_first != 0;
    };
    std::istream::sentry ok(in, true);
    if (!ok || !in.rdbuf()) {
        problem(0, coResourceLoadCannotRead, utString(""));
        return static_cast<int>(report.problems_.size() - before);
    }
    LineReader reader(in.rdbuf(), coResourceLoadReport::max_line);
    std::string line;
    bool too_long;
    int number = 0;
    while (reader.next(line, too_long)) {
        ++number;
        ++report.lines_;
        if (too_long) {
            if (problem(number, coResourceLoadTooLong, text_of(line, true))) break;
            continue;
        }
        const char *b = line.data();
        const char *e = b + line.size();
        trim(b, e);
        if (b == e || *b == '#') continue;
        if (std::memchr(b, '\0', e - b)) {
            if (problem(number, coResourceLoadNulByte, text_of(line, false))) break;
            continue;
        }
        const char *eq = static_cast<const char *>(std::memchr(b, '=', e - b));
        if (!eq) {
            if (problem(number, coResourceLoadNoEquals, text_of(line, false))) break;
            continue;
        }
        const char *nb = b, *ne = eq, *vb = eq + 1, *ve = e;
        trim(nb, ne);
        trim(vb, ve);
        utString name(nb, static_cast<int>(ne - nb));
        utString value(vb, static_cast<int>(ve - vb));
        coResourceError err = file(name, value, table, mode == coResourceLoadMerge);
        if (err == coResourceOk || err == coResourceReplaced) ++report.filed_;
        coResourceLoadIssue issue;
        switch (err) {
        case coResourceNoSuchKey:
            issue = coResourceLoadUnknownKey;
            break;
        case coResourceBadValue:
            issue = coResourceLoadBadValue;
            break;
        case coResourceReplaced:
            issue = coResourceLoadReplaced;
            break;
        default:
            continue;
        }
        if (problem(number, issue, text_of(line, false))) break;
    }
    in.setstate(std::ios::eofbit);
    return static_cast<int>(report.problems_.size() - before);
}

int coResourceTableMaker::load(const char *path, coResourceTable &table,
                               coResourceLoadReport &report, coResourceLoadMode mode,
                               int stop_at_first) {
    std::ifstream in(path ? path : "", std::ios::binary);
    if (!in) {
        report.problems_.push_back(
            coResourceLoadProblem{0, coResourceLoadCannotRead, utString(path ? path : "")});
        return 1;
    }
    return load(in, table, report, mode, stop_at_first);
}
