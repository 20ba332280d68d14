#include "Selection.h"

namespace pls::page {

std::string Selection::type() const {
    return range_ && !range_->isEmpty() ? "Text" : "None";
}

TextRange Selection::createRange() const {
    return range_ ? *range_ : TextRange(document_);
}

void Selection::setRange(const TextRange& range) {
    range_ = range;
}

void Selection::empty() {
    range_.reset();
}

} // namespace pls::page
