#include "HtmlSerializer.h"

#include "AsciiCase.h"
#include "CharacterData.h"
#include "DocumentType.h"
#include "Element.h"

namespace pls::page {

namespace {

constexpr std::string_view noBreakSpace = "\xC2\xA0";

enum class EscapeMode { Text, Attribute };

void appendEscaped(std::string& out, std::string_view text, EscapeMode mode) {
    std::size_t plain = 0;
    const auto flush = [&](std::size_t i, std::string_view entity, std::size_t skip) {
        out.append(text.substr(plain, i - plain));
        out.append(entity);
        plain = i + skip;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&')
            flush(i, "&amp;", 1);
        else if (text.substr(i, 2) == noBreakSpace)
            flush(i, "&nbsp;", 2);
        else if (mode == EscapeMode::Attribute && c == '"')
            flush(i, "&quot;", 1);
        else if (mode == EscapeMode::Text && c == '<')
            flush(i, "&lt;", 1);
        else if (mode == EscapeMode::Text && c == '>')
            flush(i, "&gt;", 1);
    }
    out.append(text.substr(plain));
}

// Elements whose text the parser takes literally, so it is written without escapes.
bool holdsRawText(const Node* parent) {
    const Element* element = parent ? parent->asElement() : nullptr;
    return element &&
           element->isHtmlNamed({"style", "script", "xmp", "iframe", "noembed", "noframes", "plaintext"});
}

std::string writtenName(const Element& element, std::string_view name) {
    return element.elementNamespace() == Namespace::Html ? toUpperAscii(name) : std::string(name);
}

void appendStartTag(std::string& out, const Element& element) {
    out += '<';
    out += writtenName(element, element.localName());
    for (const Attribute& attribute : element.attributes()) {
        out += ' ';
        out += writtenName(element, attribute.name);
        out += "=\"";
        appendEscaped(out, attribute.value, EscapeMode::Attribute);
        out += '"';
    }
    out += '>';
    // The parser drops a newline right after these start tags, so a leading newline of the content needs one
    // more in front of it.
    const bool dropsNewline = element.elementNamespace() == Namespace::Html &&
                              (element.localName() == "pre" || element.localName() == "textarea" ||
                               element.localName() == "listing");
    const CharacterData* first = element.firstChild() ? element.firstChild()->asCharacterData() : nullptr;
    if (dropsNewline && first && first->type() == NodeType::Text && !first->data().empty() &&
        first->data()[0] == '\n')
        out += '\n';
}

void appendDoctype(std::string& out, const DocumentType& doctype) {
    out += "<!DOCTYPE ";
    out += doctype.name();
    if (!doctype.publicId().empty() || !doctype.systemId().empty()) {
        out += doctype.publicId().empty() ? " SYSTEM" : " PUBLIC \"" + doctype.publicId() + "\"";
        out += " \"" + doctype.systemId() + "\"";
    }
    out += '>';
}

// Everything that a node writes before its children.
void appendOpening(std::string& out, const Node& node) {
    switch (node.type()) {
    case NodeType::Element:
        appendStartTag(out, *node.asElement());
        break;
    case NodeType::Text: {
        const std::string& data = node.asCharacterData()->data();
        if (holdsRawText(node.parent()))
            out += data;
        else
            appendEscaped(out, data, EscapeMode::Text);
        break;
    }
    case NodeType::Comment:
        out += "<!--" + node.asCharacterData()->data() + "-->";
        break;
    case NodeType::DocumentType:
        appendDoctype(out, static_cast<const DocumentType&>(node));
        break;
    case NodeType::Document:
        break;
    }
}

void appendClosing(std::string& out, const Node& node) {
    const Element* element = node.asElement();
    if (element && !element->isVoid())
        out += "</" + writtenName(*element, element->localName()) + ">";
}

// Depth first with an explicit stack: deep pages must not exhaust the call stack.
void appendTree(std::string& out, const Node& root) {
    struct Step {
        const Node* node;
        bool closing;
    };
    std::vector<Step> pending{{&root, false}};
    while (!pending.empty()) {
        const Step step = pending.back();
        pending.pop_back();
        if (step.closing) {
            appendClosing(out, *step.node);
            continue;
        }
        appendOpening(out, *step.node);
        const Element* element = step.node->asElement();
        if (element && element->isVoid())
            continue;
        pending.push_back({step.node, true});
        for (std::size_t i = step.node->childCount(); i > 0; --i)
            pending.push_back({step.node->child(i - 1), false});
    }
}

} // namespace

std::string outerHtml(const Node& node) {
    std::string out;
    appendTree(out, node);
    return out;
}

std::string innerHtml(const Node& node) {
    std::string out;
    for (std::size_t i = 0; i < node.childCount(); ++i)
        appendTree(out, *node.child(i));
    return out;
}

std::string serializeNodes(const std::vector<std::unique_ptr<Node>>& nodes) {
    std::string out;
    for (const auto& node : nodes)
        appendTree(out, *node);
    return out;
}

} // namespace pls::page
