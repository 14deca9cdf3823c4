#pragma once

#include <string_view>

// Initial texts of the two text boxes, UTF-8, every line ended by CR LF.
extern const std::string_view kMethodText;
extern const std::string_view kQuotation;
