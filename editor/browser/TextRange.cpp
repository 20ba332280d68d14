#include "TextRange.h"

#include "AsciiCase.h"
#include "CharacterData.h"
#include "CharacterWalk.h"
#include "Document.h"
#include "Element.h"
#include "HtmlSerializer.h"
#include "RangeContent.h"
#include "TreeEditing.h"

#include <array>

namespace pls::page {

std::optional<MoveUnit> moveUnitFromName(std::string_view name) {
    if (equalsIgnoringCase(name, "character"))
        return MoveUnit::Character;
    if (equalsIgnoringCase(name, "textedit"))
        return MoveUnit::TextEdit;
    return std::nullopt;
}

std::optional<EndPoints> endPointsFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, EndPoints>, 4> names{{
        {"StartToStart", EndPoints::StartToStart},
        {"StartToEnd", EndPoints::StartToEnd},
        {"EndToStart", EndPoints::EndToStart},
        {"EndToEnd", EndPoints::EndToEnd},
    }};
    return valueForName(names, name);
}

namespace {

Node& bodyOrRoot(Document& document) {
    if (Element* body = document.body())
        return *body;
    return document;
}

bool belongsTo(const BoundaryPoint& point, const Document& document) {
    if (!point.node || &point.node->document() != &document)
        return false;
    const Node* top = point.node;
    while (top->parent())
        top = top->parent();
    const CharacterData* data = point.node->asCharacterData();
    return top == &document && point.offset <= (data ? data->length() : point.node->childCount());
}

} // namespace

TextRange::TextRange(Document& document) : document_(&document) {
    start_ = end_ = {&bodyOrRoot(document), 0};
    attach();
}

TextRange TextRange::bodyRange(Document& document) {
    TextRange range(document);
    range.end_ = pointAtEnd(bodyOrRoot(document));
    return range;
}

TextRange::TextRange(const TextRange& other)
    : document_(other.document_), start_(other.start_), end_(other.end_) {
    attach();
}

TextRange& TextRange::operator=(const TextRange& other) {
    if (this != &other) {
        detach();
        document_ = other.document_;
        start_ = other.start_;
        end_ = other.end_;
        attach();
    }
    return *this;
}

TextRange::~TextRange() {
    detach();
}

void TextRange::attach() {
    if (document_)
        document_->attachRange(*this);
}

void TextRange::detach() {
    if (document_)
        document_->detachRange(*this);
}

const Node* TextRange::limit() const {
    return &bodyOrRoot(*document_);
}

DomResult TextRange::setPoints(BoundaryPoint start, BoundaryPoint end) {
    if (!document_)
        return DomResult::Detached;
    if (!belongsTo(start, *document_) || !belongsTo(end, *document_) || compareBoundaryPoints(start, end) > 0)
        return DomResult::NotAllowed;
    start_ = start;
    end_ = end;
    return DomResult::Ok;
}

void TextRange::collapse(CollapseTo where) {
    if (where == CollapseTo::Start)
        end_ = start_;
    else
        start_ = end_;
}

DomResult TextRange::moveToElementText(Element& element) {
    if (!document_)
        return DomResult::Detached;
    // A picture or line break is itself the text it holds.
    if (element.isVoid() && element.parent())
        return setPoints(pointBefore(element), pointAfter(element));
    return setPoints({&element, 0}, pointAtEnd(element));
}

int TextRange::compareEndPoints(EndPoints how, const TextRange& other) const {
    if (!document_ || other.document_ != document_)
        return 0;
    const bool ownStart = how == EndPoints::StartToStart || how == EndPoints::StartToEnd;
    const bool otherStart = how == EndPoints::StartToStart || how == EndPoints::EndToStart;
    return compareByCharacters(ownStart ? start_ : end_, otherStart ? other.start_ : other.end_, *limit());
}

bool TextRange::isEmpty() const {
    return !document_ || !hasCharacterBetween(start_, end_, *limit());
}

namespace {

// Steps a point by count characters; returns how many it stepped.
int stepPoint(BoundaryPoint& point, int count, const Node& limit) {
    int moved = 0;
    for (; moved < count; ++moved) {
        const auto next = nextCharacter(point, limit);
        if (!next)
            break;
        point = next->after;
    }
    for (; moved > count; --moved) {
        const auto previous = previousCharacter(point, limit);
        if (!previous)
            break;
        point = previous->before;
    }
    return moved;
}

int stepToEdge(BoundaryPoint& point, int count, Node& limit) {
    if (count == 0)
        return 0;
    point = count > 0 ? pointAtEnd(limit) : BoundaryPoint{&limit, 0};
    return count > 0 ? 1 : -1;
}

} // namespace

int TextRange::move(MoveUnit unit, int count) {
    if (!document_)
        return 0;
    collapse(CollapseTo::Start);
    const int moved = unit == MoveUnit::Character ? stepPoint(start_, count, *limit())
                                                  : stepToEdge(start_, count, bodyOrRoot(*document_));
    end_ = start_;
    return moved;
}

int TextRange::moveEnd(MoveUnit unit, int count) {
    if (!document_)
        return 0;
    const int moved = unit == MoveUnit::Character ? stepPoint(end_, count, *limit())
                                                  : stepToEdge(end_, count, bodyOrRoot(*document_));
    if (compareBoundaryPoints(end_, start_) < 0)
        start_ = end_;
    return moved;
}

std::string TextRange::text() const {
    std::string result;
    if (!document_)
        return result;
    BoundaryPoint point = start_;
    while (auto next = nextCharacter(point, *limit())) {
        if (compareBoundaryPoints(next->before, end_) >= 0)
            break;
        if (const CharacterData* data = next->node->asCharacterData())
            result += data->data().substr(next->before.offset, next->after.offset - next->before.offset);
        else if (next->node->asElement()->hasTag("BR"))
            result += '\n';
        point = next->after;
    }
    return result;
}

std::string TextRange::htmlText() const {
    if (isEmpty())
        return {};
    return serializeNodes(cloneContents(widenOverWholeElements({start_, end_}, *limit())));
}

DomResult TextRange::replaceContent(std::string_view content, Content kind) {
    if (!document_)
        return DomResult::Detached;
    BoundaryPoint at = start_;
    if (!isEmpty())
        at = deleteContents(widenOverWholeElements({start_, end_}, *limit()));
    const Element* context = contextElementAt(at);
    if (!acceptsMarkup(context))
        return DomResult::NotAllowed;
    std::vector<std::unique_ptr<Node>> nodes;
    if (kind == Content::Html)
        nodes = parseHtmlFor(*context, content);
    else if (!content.empty())
        nodes.push_back(std::make_unique<Text>(*document_, std::string(content)));
    start_ = end_ = insertNodesAt(at, std::move(nodes));
    return DomResult::Ok;
}

DomResult TextRange::setText(std::string_view text) {
    return replaceContent(text, Content::PlainText);
}

DomResult TextRange::pasteHtml(std::string_view html) {
    return replaceContent(html, Content::Html);
}

DomResult TextRange::select() {
    if (!document_)
        return DomResult::Detached;
    document_->selection().setRange(*this);
    return DomResult::Ok;
}

DomResult TextRange::moveToPoint(const LayoutOracle& layout, int x, int y) {
    if (!document_)
        return DomResult::Detached;
    const std::optional<BoundaryPoint> point = layout.pointAt(x, y);
    if (!point)
        return DomResult::NoLayout;
    return setPoints(*point, *point);
}

std::optional<LayoutOffset> TextRange::offset(const LayoutOracle& layout) const {
    if (!document_)
        return std::nullopt;
    return layout.caretOffset(start_);
}

} // namespace pls::page
