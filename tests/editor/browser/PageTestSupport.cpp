#include "PageTestSupport.h"

#include "CharacterData.h"
#include "Element.h"
#include "NodePath.h"

#include <gtest/gtest.h>

namespace pls::page::test {

namespace {

// Private-use characters stand in for the marks while the page is parsed, so a mark never changes the tree.
constexpr std::string_view startMark = "\xEE\x80\x80";
constexpr std::string_view endMark = "\xEE\x80\x81";
constexpr std::string_view caretMark = "\xEE\x80\x82";

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Finds a mark in the body's text and removes it; returns where it was.
std::optional<BoundaryPoint> takeMark(Document& document, std::string_view mark) {
    for (Node* node = document.body(); node; node = node->nextInTree())
        if (CharacterData* data = node->asCharacterData())
            if (auto at = data->data().find(mark); at != std::string::npos) {
                document.replaceText(*data, at, mark.size(), "");
                if (data->length() > 0)
                    return BoundaryPoint{node, at};
                // A mark that stood alone between tags leaves no empty text behind.
                const BoundaryPoint before = pointBefore(*node);
                document.removeNode(*node);
                return before;
            }
    return std::nullopt;
}

} // namespace

std::unique_ptr<Document> page(std::string_view bodyHtml) {
    std::string html = replaceAll(std::string(bodyHtml), "[", startMark);
    html = replaceAll(html, "]", endMark);
    html = replaceAll(html, "|", caretMark);
    return Document::parse("<html><head><title>Card</title></head><body>" + html + "</body></html>");
}

std::string bodyHtml(const Document& document) {
    return document.body()->innerHtml();
}

TextRange markedRange(Document& document) {
    TextRange range(document);
    if (auto caret = takeMark(document, caretMark)) {
        EXPECT_EQ(range.setPoints(*caret, *caret), DomResult::Ok);
        return range;
    }
    auto start = takeMark(document, startMark);
    auto end = takeMark(document, endMark);
    EXPECT_TRUE(start && end) << "the page has no range marks";
    if (start && end) {
        EXPECT_EQ(range.setPoints(*start, *end), DomResult::Ok);
    }
    return range;
}

Element& firstElement(Document& document, std::string_view tag) {
    for (Element* element : document.allElements())
        if (element->hasTag(tag))
            return *element;
    ADD_FAILURE() << "no element " << tag;
    return *document.documentElement();
}

std::string treeShape(const Node& root) {
    std::string shape;
    for (const Node* node = &root; node; node = node->nextInTree()) {
        shape += std::to_string(pathOf(*node).size()) + ":";
        if (const Element* element = node->asElement()) {
            shape += element->tagName();
            for (const Attribute& attribute : element->attributes())
                shape += " " + attribute.name + "=" + attribute.value;
        } else if (const CharacterData* data = node->asCharacterData()) {
            shape += (node->type() == NodeType::Text ? "'" : "!") + data->data() + "'";
        }
        shape += "\n";
    }
    return shape;
}

std::string showRange(const TextRange& range) {
    Document& original = *range.document();
    auto copy = Document::parse(original.serialize());
    const auto place = [&](const BoundaryPoint& point, std::string_view mark) {
        Node* node = nodeAtPath(*copy, pathOf(*point.node));
        if (CharacterData* data = node->asCharacterData()) {
            copy->replaceText(*data, point.offset, 0, mark);
            return;
        }
        std::vector<std::unique_ptr<Node>> nodes;
        nodes.push_back(std::make_unique<Text>(*copy, std::string(mark)));
        copy->insertNodes(*node, point.offset, std::move(nodes));
    };
    if (range.start() == range.end()) {
        place(range.start(), "|");
    } else {
        place(range.end(), "]");
        place(range.start(), "[");
    }
    return bodyHtml(*copy);
}

} // namespace pls::page::test
