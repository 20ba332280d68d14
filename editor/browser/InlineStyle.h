#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pls::page {

// The declarations of a STYLE attribute ("font-size: small; text-align: center"), in order, with property
// names matched without regard to case. Enough CSS for the page's own settings, not a CSS parser.
class InlineStyle {
public:
    explicit InlineStyle(std::string_view text);

    std::string value(std::string_view property) const;
    // An empty value removes the declaration.
    void setValue(std::string_view property, std::string_view value);
    std::string text() const;

private:
    std::vector<std::pair<std::string, std::string>> declarations_;
};

} // namespace pls::page
