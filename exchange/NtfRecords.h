#pragma once

#include <string>
#include <string_view>

namespace tarn {

class TTextScanner;

// Reads the logical records of a National Transfer Format file. Each
// physical record is one line ending in a continuation flag and "%": flag
// "1" says the record goes on in the next line, which begins "00". A
// logical record is its lines joined, without the "00" of each continuation
// and without the flags and "%" marks, so its fields sit at the positions
// the record's description gives whatever the lines' lengths. Lines without
// the "%" mark are taken whole as records of their own.
class TNtfRecordReader {
public:
    explicit TNtfRecordReader(TTextScanner& scanner) : scanner_(scanner) {}

    // The next logical record; false at the end of the file. A continuation
    // that is missing or does not begin "00", and a record longer than any
    // NTF record can be, throw EInvalidData msg::DamagedImport.
    bool Next(std::string& record);

private:
    TTextScanner& scanner_;
    std::string line_;
};

// The text of a record's field at the 1-based columns first..first+width-1;
// shorter when the record ends sooner.
std::string_view NtfField(std::string_view record, std::size_t first, std::size_t width);

}  // namespace tarn
