#include "runtime/text/text_fields.h"

#include <charconv>
#include <cmath>

namespace vortalis {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

void TextFieldReader::SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
}

bool TextFieldReader::AtLineEnd() const {
    return at_ < text_.size() && (text_[at_] == '\r' || text_[at_] == '\n');
}

void TextFieldReader::SkipLineEnd() {
    if (at_ < text_.size() && text_[at_] == '\r') ++at_;
    if (at_ < text_.size() && text_[at_] == '\n') ++at_;
}

void TextFieldReader::SkipSeparator() {
    SkipBlanks();
    afterComma_ = at_ < text_.size() && text_[at_] == ',';
    if (afterComma_) {
        ++at_;
    } else {
        SkipLineEnd();
    }
}

std::optional<std::string> TextFieldReader::Next() {
    // Blank lines between fields hold none; a comma, though, always opens a field.
    SkipBlanks();
    if (!afterComma_) {
        for (; AtLineEnd(); SkipBlanks()) SkipLineEnd();
        if (at_ >= text_.size()) return std::nullopt;
    }
    afterComma_ = false;

    std::string field;
    if (at_ < text_.size() && text_[at_] == '"') {
        const std::size_t close = text_.find('"', at_ + 1);
        const std::size_t end = close == std::string_view::npos ? text_.size() : close;
        field = text_.substr(at_ + 1, end - at_ - 1);
        at_ = end == text_.size() ? end : end + 1;
        // Anything between the closing quote and the separator is dropped.
        while (at_ < text_.size() && text_[at_] != ',' && !AtLineEnd()) ++at_;
    } else {
        const std::size_t end = text_.find_first_of(",\r\n", at_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        field = TrimBlanks(text_.substr(at_, stop - at_));
        at_ = stop;
    }
    SkipSeparator();
    ++fieldsRead_;
    return field;
}

std::optional<double> ParseNumber(std::string_view field) {
    field = TrimBlanks(field);
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);  // from_chars takes a minus sign only
        if (!field.empty() && (field.front() == '-' || field.front() == '+')) return std::nullopt;
    }
    if (field.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(field.data(), field.data() + field.size(), value,
                        std::chars_format::fixed | std::chars_format::scientific);
    if (error != std::errc{} || end != field.data() + field.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view field, std::int64_t minimum,
                                             std::int64_t maximum) {
    const std::optional<double> number = ParseNumber(field);
    if (!number) return std::nullopt;
    const double whole = std::nearbyint(*number);  // the default rounding: halves to even
    if (whole < static_cast<double>(minimum) || whole > static_cast<double>(maximum))
        return std::nullopt;
    return static_cast<std::int64_t>(whole);
}

}  // namespace vortalis
