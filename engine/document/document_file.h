// The document file (".brik"): reading it into a `document_data` and writing
// it back.
//
// A `document_file` belongs to one `document_data`. Loading reads the whole
// file into memory once and walks it with a bounded cursor: nothing the file
// declares (a count, a string length, a nesting depth) can make the reader
// allocate more than the file could hold or read past its end. A file that
// cannot be read to its end is marked damaged and is never written back.
// Saving builds the whole file in memory and has the environment put it in
// place of the original, so a failed save leaves the original as it was.
//
// One thread at a time.
//
// File layout. All integers little-endian, no padding, no trailer; the values
// below are fixed by the stored templates and must not change.
//
//   file    = string("BRF4.0") node(page_setup) node(pages) node(parameters)
//   node    = record i32(group_count) group*group_count
//   group   = record i32(element_count) element*element_count
//   element = record u16(item_count) record*item_count node(children)
//   record  = u16(a) u16(b) u16(c) string(s1) string(s2) string(s3)
//             u16(v[0]) .. u16(v[5]) f64(d1) f64(d2) string(s4) string(s5)
//   string  = FF FE FF FF FF FF u32(length) u16*length     (as written)
//
// f64 is IEEE 754 binary64. A string's units are UTF-16 code units; lone
// surrogates are kept. The reader accepts the whole family of length escapes:
//
//   | first u16 | then                     | length                        |
//   |-----------|--------------------------|-------------------------------|
//   | not FEFF  | -                        | 0 (only these 2 bytes used)   |
//   | FEFF      | u16 X, X != FFFF         | X >> 8 (the byte after FF)    |
//   | FEFF      | FFFF, u16 Y, Y != FFFF   | Y                             |
//   | FEFF      | FFFF FFFF, u32 L         | L                             |
//
// The smallest record (five 2-byte empty strings) takes 44 bytes, so a group
// takes at least 48 and an element at least 94 (record, item count, and a
// children node of a record and a count). A count larger than the rest of the
// file can hold, a negative count, or children nested deeper than
// `max_children_depth` stop the reading; so does a file that ends early. Bytes
// left after the third tree also mark the file damaged: a count was misread.
//
// Worked example: the magic, as every written file begins:
//   FF FE FF FF FF FF 06 00 00 00 42 00 52 00 46 00 34 00 2E 00 30 00
//   (escape, length 6, then "B" "R" "F" "4" "." "0")
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "engine/document/environment.h"

namespace engine {

struct document_data;

// The first string of every document file.
inline constexpr std::wstring_view brik_magic = L"BRF4.0";
// Nesting of `children` nodes below a root; deeper nesting stops the reading.
inline constexpr int max_children_depth = 64;
// Larger files are not opened: no template comes near this, and the tree
// built from a file takes a few times its size in memory.
inline constexpr std::uintmax_t max_file_bytes = 256u << 20;
// Smallest size in the file of an item (a record), a group and an element.
inline constexpr std::size_t min_item_bytes = 44;
inline constexpr std::size_t min_group_bytes = 48;
inline constexpr std::size_t min_element_bytes = 94;

// How a document's file was read.
enum class load_state {
    not_opened,   // no regular file of at most `max_file_bytes` could be read
    wrong_magic,  // the first string was not "BRF4.0": nothing more was read
    damaged,      // the reading stopped early: the tree holds what was read
    loaded,       // read to the end of the third tree
};

class document_file {
public:
    // Reads and writes `path` through `env`, which must outlive the file.
    document_file(std::wstring path, const environment& env);

    // Fills the three roots of `data` and sets `data.state`. Never throws for
    // a missing, foreign or damaged file.
    void load(document_data& data);

    // Reading from the loaded bytes. After the reading stopped (end of file
    // or a damaged value), each read leaves its target unchanged and answers
    // false.
    bool read_u16(std::uint16_t& value);
    bool read_i32(std::int32_t& value);
    bool read_u32(std::uint32_t& value);
    bool read_f64(double& value);
    // Appends the string's text to `target`. A length beyond the end of the
    // file appends the units that are there and stops the reading.
    bool read_string(std::wstring& target);
    // Bytes left to read.
    std::size_t remaining() const;
    // Stops the reading and marks the load damaged.
    void stop();
    bool stopped() const { return stopped_; }

    // Writing into the output buffer; `commit` puts it into the file.
    void write_u16(std::uint16_t value);
    void write_i32(std::int32_t value);
    void write_u32(std::uint32_t value);
    void write_f64(double value);
    void write_string(std::wstring_view text);
    // Replaces the file at `path` by the output buffer, unless the file
    // holds those bytes already: then nothing is written. On any failure the
    // original file is kept and the failure is answered; an empty code means
    // the file holds the buffer. The buffer is emptied.
    std::error_code commit();
    // The output buffer, which is emptied; the file is not touched.
    std::string take_output();

    // After a failed open: "File " + path + " is unavailable."; after an open:
    // the first string of the file.
    std::wstring message;
    // Full path of the file.
    std::wstring path;

private:
    bool take(std::size_t count, const unsigned char*& bytes);

    const environment* env_;
    std::string input_;
    std::size_t position_ = 0;
    bool stopped_ = false;
    std::string output_;
};

}  // namespace engine
