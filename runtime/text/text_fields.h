#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vortalis {

// A space or a tab: what the field reader and the command line skip.
inline bool IsBlank(char character) { return character == ' ' || character == '\t'; }

// Reads the comma-separated text-field format of the programs' settings and
// colour files: fields separated by commas or line ends (CR LF, LF or CR),
// blanks around a field skipped, a field that opens with a double quote running
// to the closing quote. Blank lines hold no field. Text stays Windows-1252.
class TextFieldReader {
  public:
    explicit TextFieldReader(std::string_view text) : text_(text) {}

    // The next field, or nothing once the text is used up.
    std::optional<std::string> Next();

    std::size_t FieldsRead() const { return fieldsRead_; }

  private:
    void SkipBlanks();
    bool AtLineEnd() const;
    void SkipLineEnd();
    void SkipSeparator();

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t fieldsRead_ = 0;
    bool afterComma_ = false;
};

// A decimal number as the format writes one: optional sign, digits, optional
// fraction and exponent, blanks around it. Nothing for anything else, an empty
// field included.
std::optional<double> ParseNumber(std::string_view field);

// A number rounded to a whole one, halves to the even neighbour; nothing when
// the field is not a number or the result leaves [minimum, maximum].
std::optional<std::int64_t> ParseWholeNumber(std::string_view field, std::int64_t minimum,
                                             std::int64_t maximum);

}  // namespace vortalis
