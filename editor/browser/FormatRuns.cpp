#include "FormatRuns.h"

#include "CharacterData.h"
#include "Element.h"

namespace pls::page {

bool isBoldElement(const Node& node) {
    const Element* element = node.asElement();
    return element && (element->hasTag("B") || element->hasTag("STRONG"));
}

bool hasVisibleContent(const Node& node) {
    if (const CharacterData* data = node.asCharacterData())
        return node.type() == NodeType::Text &&
               data->data().find_first_not_of(" \t\r\n\f") != std::string::npos;
    return node.asElement() != nullptr;
}

namespace {

// Elements that sit inside a line of text; formatting wraps them, and descends into anything else.
bool isPhrasing(const Node& node) {
    if (node.type() == NodeType::Text || node.type() == NodeType::Comment)
        return true;
    const Element* element = node.asElement();
    return element &&
           element->isHtmlNamed({"a",    "abbr", "b",    "bdi",  "bdo",   "big",  "br",     "cite",
                                 "code", "dfn",  "em",   "font", "i",     "img",  "kbd",    "mark",
                                 "nobr", "q",    "s",    "samp", "small", "span", "strike", "strong",
                                 "sub",  "sup",  "time", "tt",   "u",     "var"});
}

// Runs of neighbouring phrasing nodes among the selected ones, looking inside blocks.
class RunCollector {
public:
    std::vector<NodeRun> runs;

    void add(Node& node) {
        if (isPhrasing(node)) {
            if (!last_ || last_->nextSibling() != &node)
                flush();
            first_ = first_ ? first_ : &node;
            last_ = &node;
            visible_ = visible_ || hasVisibleContent(node);
            return;
        }
        flush();
        const Element* element = node.asElement();
        if (element && !element->hasTag("SCRIPT") && !element->hasTag("STYLE"))
            for (std::size_t i = 0; i < node.childCount(); ++i)
                add(*node.child(i));
        flush();
    }

    void flush() {
        if (first_ && visible_)
            runs.emplace_back(first_, last_);
        first_ = last_ = nullptr;
        visible_ = false;
    }

private:
    Node* first_ = nullptr;
    Node* last_ = nullptr;
    bool visible_ = false;
};

} // namespace

std::vector<NodeRun> collectRuns(const PointPair& range) {
    RunCollector collector;
    for (Node* node : topContainedNodes(range))
        collector.add(*node);
    collector.flush();
    return collector.runs;
}

} // namespace pls::page
