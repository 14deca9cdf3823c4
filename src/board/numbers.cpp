#include "board/numbers.h"

#include "board/runtime_error.h"

#include <charconv>
#include <limits>

std::int16_t CheckedInt16(long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError(RuntimeError::kOverflow, "Overflow");
    return static_cast<std::int16_t>(value);
}

double Val(std::string_view text)
{
    const auto start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return 0;
    text.remove_prefix(start);
    // from_chars takes a minus sign but not a plus sign
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value,
                                              std::chars_format::general);
    return error == std::errc{} ? value : 0;
}

void AppendNumber(std::string& text, double value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}
