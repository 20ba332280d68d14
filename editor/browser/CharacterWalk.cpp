#include "CharacterWalk.h"

#include "CharacterData.h"
#include "Element.h"
#include "TreeEditing.h"
#include "Utf8.h"

namespace pls::page {

namespace {

enum class Kind { Character, Text, Container, Skipped };
Kind kindOf(const Node& node) {
    if (const Element* element = node.asElement()) {
        if (element->isHtmlNamed({"br", "img"}))
            return Kind::Character;
        return element->isHtmlNamed({"script", "style", "template"}) ? Kind::Skipped : Kind::Container;
    }
    if (node.type() == NodeType::Text && !(node.parent() && isTablePart(*node.parent())))
        return Kind::Text;
    return Kind::Skipped;
}

} // namespace

std::optional<CharacterSpan> nextCharacter(const BoundaryPoint& from, const Node& limit) {
    Node* node = from.node;
    std::size_t offset = from.offset;
    while (node) {
        if (const CharacterData* data = node->asCharacterData()) {
            if (kindOf(*node) == Kind::Text && offset < data->length())
                return CharacterSpan{
                    {node, offset}, {node, offset + utf8::nextLength(data->data(), offset)}, node};
            offset = node->index() + 1;
            node = node->parent();
            continue;
        }
        Node* child = node->child(offset);
        if (!child) {
            if (node == &limit || !node->parent())
                return std::nullopt;
            offset = node->index() + 1;
            node = node->parent();
            continue;
        }
        switch (kindOf(*child)) {
        case Kind::Character:
            return CharacterSpan{{node, offset}, {node, offset + 1}, child};
        case Kind::Skipped:
            ++offset;
            break;
        case Kind::Text:
        case Kind::Container:
            node = child;
            offset = 0;
            break;
        }
    }
    return std::nullopt;
}

std::optional<CharacterSpan> previousCharacter(const BoundaryPoint& from, const Node& limit) {
    Node* node = from.node;
    std::size_t offset = from.offset;
    while (node) {
        if (const CharacterData* data = node->asCharacterData()) {
            if (kindOf(*node) == Kind::Text && offset > 0) {
                const std::size_t length = utf8::previousLength(data->data(), offset);
                return CharacterSpan{{node, offset - length}, {node, offset}, node};
            }
            offset = node->index();
            node = node->parent();
            continue;
        }
        if (offset == 0) {
            if (node == &limit || !node->parent())
                return std::nullopt;
            offset = node->index();
            node = node->parent();
            continue;
        }
        Node* child = node->child(offset - 1);
        switch (kindOf(*child)) {
        case Kind::Character:
            return CharacterSpan{{node, offset - 1}, {node, offset}, child};
        case Kind::Skipped:
            --offset;
            break;
        case Kind::Text:
        case Kind::Container: {
            const CharacterData* data = child->asCharacterData();
            node = child;
            offset = data ? data->length() : child->childCount();
            break;
        }
        }
    }
    return std::nullopt;
}

bool hasCharacterBetween(const BoundaryPoint& a, const BoundaryPoint& b, const Node& limit) {
    const std::optional<CharacterSpan> next = nextCharacter(a, limit);
    return next && compareBoundaryPoints(next->before, b) < 0;
}

int compareByCharacters(const BoundaryPoint& a, const BoundaryPoint& b, const Node& limit) {
    const int order = compareBoundaryPoints(a, b);
    if (order < 0)
        return hasCharacterBetween(a, b, limit) ? -1 : 0;
    if (order > 0)
        return hasCharacterBetween(b, a, limit) ? 1 : 0;
    return 0;
}

} // namespace pls::page
