#include "exchange/NtfRecords.h"

#include "exchange/ExchangeMessages.h"
#include "exchange/TextScanner.h"
#include "model/Errors.h"

namespace tarn {

namespace {

// No line of a transfer is near this long, nor a logical record (a column
// of 32767 heights of 4 characters and its header).
constexpr std::size_t kMaxLine = 64 * 1024;
constexpr std::size_t kMaxRecord = 256 * 1024;

// Cuts the flag and "%" from a line; true when the record goes on.
bool SplitLine(std::string& line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    if (line.size() < 2 || line.back() != '%')
        return false;
    const bool continued = line[line.size() - 2] == '1';
    line.resize(line.size() - 2);
    return continued;
}

}  // namespace

bool TNtfRecordReader::Next(std::string& record)
{
    do {
        if (!scanner_.ReadLine(line_, kMaxLine))
            return false;
    } while (TrimBlanks(line_).empty());
    bool continued = SplitLine(line_);
    record = line_;
    while (continued) {
        if (!scanner_.ReadLine(line_, kMaxLine) || line_.compare(0, 2, "00") != 0)
            throw EInvalidData(msg::DamagedImport);
        // A continuation line too short to hold its "00", flag and "%".
        continued = SplitLine(line_);
        if (line_.size() < 2)
            throw EInvalidData(msg::DamagedImport);
        record.append(line_, 2);
        if (record.size() > kMaxRecord)
            throw EInvalidData(msg::DamagedImport);
    }
    return true;
}

std::string_view NtfField(std::string_view record, std::size_t first, std::size_t width)
{
    if (first == 0 || first > record.size())
        return {};
    return record.substr(first - 1, width);
}

}  // namespace tarn
