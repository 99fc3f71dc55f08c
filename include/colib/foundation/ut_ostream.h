// utOstream: an output stream over a std::ostream that indents every line.
//
// A root stream wraps a std::ostream; a nested stream, made with the
// utOstreamTab constructor, writes through to the same std::ostream with
// its lines indented more than its outer stream's. Indentation is written
// lazily, before the first character of each line, so empty lines carry no
// trailing blanks. Streams are neither copyable nor movable; a nested stream
// must not outlive its outer one.
//
// Formatting:
//   int, long, long long    decimal
//   double                  shortest text that reads back as the same double
//                           ("0.1", "1", "1e+300", "-0", "inf", "nan")
//   char                    the character itself
//   void *                  "0x" and lower-case hex digits ("0x0" for null)
//   const char *            the text (nothing for a null pointer)
#pragma once

#include <cstddef>
#include <ostream>

#include <colib/foundation/ut.h>

class COLIB_API utOstream {
public:
    // A root stream at indentation `level`, `unit` blanks per level. The
    // library makes its root streams with (stream, 0, 2).
    utOstream(std::ostream &os, int level, int unit);
    // A stream nested in `outer`, indented `levels` levels plus `extra`
    // blanks deeper. The library nests with (utTAB, outer, 1, 0).
    utOstream(utOstreamTab, const utOstream &outer, int levels, int extra);
    ~utOstream();
    utOstream(const utOstream &) = delete;
    utOstream &operator=(const utOstream &) = delete;

    utOstream &operator<<(const char *s);
    utOstream &operator<<(char c);
    utOstream &operator<<(int v);
    utOstream &operator<<(long v);
    utOstream &operator<<(long long v);
    utOstream &operator<<(unsigned v);
    utOstream &operator<<(unsigned long v);
    utOstream &operator<<(unsigned long long v);
    utOstream &operator<<(double v);
    utOstream &operator<<(void *p);
    utOstream &operator<<(const void *p) { return *this << const_cast<void *>(p); }
    // Manipulators; std::endl ends the line and flushes.
    utOstream &operator<<(std::ostream &(*manip)(std::ostream &));

    // Writes n characters, indenting each line that they start.
    utOstream &write(const char *s, std::size_t n);

    std::ostream &stream() const noexcept { return *os_; }
    // Blanks written before each line of this stream.
    int indentation() const noexcept { return indent_; }
    int unit() const noexcept { return unit_; }

private:
    std::ostream *os_;
    bool *line_start_; // shared by a root stream and all streams nested in it
    bool own_line_start_;
    int indent_;
    int unit_;
};

COLIB_API utOstream &operator<<(utOstream &os, const utString &s);
