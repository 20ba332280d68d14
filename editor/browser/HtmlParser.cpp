#include "HtmlParser.h"

#include "AsciiCase.h"
#include "CharacterData.h"
#include "Document.h"
#include "DocumentType.h"
#include "Element.h"
#include "Utf8.h"

#include <gumbo.h>

namespace pls::page {

namespace {

// The parser's options: parse errors are not recorded, since the program never shows them and recording them
// costs time that grows with the square of the nesting depth.
GumboOptions parserOptions() {
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    return options;
}

// Frees the parser's output on every path.
class GumboResult {
public:
    // The output points into the text, so the text lives as long as the output.
    GumboResult(const GumboOptions& options, std::string text)
        : options_(options), text_(std::move(text)),
          output_(gumbo_parse_with_options(&options_, text_.data(), text_.size())) {}
    ~GumboResult() { gumbo_destroy_output(&options_, output_); }
    GumboResult(const GumboResult&) = delete;
    GumboResult& operator=(const GumboResult&) = delete;
    const GumboOutput& output() const { return *output_; }

private:
    GumboOptions options_;
    std::string text_;
    GumboOutput* output_;
};

Namespace namespaceOf(GumboNamespaceEnum ns) {
    switch (ns) {
    case GUMBO_NAMESPACE_SVG:
        return Namespace::Svg;
    case GUMBO_NAMESPACE_MATHML:
        return Namespace::MathMl;
    case GUMBO_NAMESPACE_HTML:
        break;
    }
    return Namespace::Html;
}

// The name a browser gives the element: lower case, except SVG's mixed-case names (foreignObject).
std::string elementName(const GumboElement& element) {
    if (element.tag != GUMBO_TAG_UNKNOWN && element.tag_namespace != GUMBO_NAMESPACE_SVG)
        return gumbo_normalized_tagname(element.tag);
    // The name as written in the source; an element the parser made up has none.
    GumboStringPiece original = element.original_tag;
    if (original.length > 0 && original.data[0] == '<')
        gumbo_tag_from_original_text(&original);
    std::string name = toLowerAscii(std::string_view(original.data, original.length));
    const GumboStringPiece lowered{name.data(), name.size()};
    if (element.tag_namespace == GUMBO_NAMESPACE_SVG)
        if (const char* svgName = gumbo_normalize_svg_tagname(&lowered))
            return svgName;
    if (element.tag != GUMBO_TAG_UNKNOWN)
        return gumbo_normalized_tagname(element.tag);
    return name;
}

std::unique_ptr<Element> makeElement(Document& document, const GumboElement& source) {
    auto element =
        std::make_unique<Element>(document, elementName(source), namespaceOf(source.tag_namespace));
    for (unsigned i = 0; i < source.attributes.length; ++i) {
        const auto* attribute = static_cast<const GumboAttribute*>(source.attributes.data[i]);
        element->appendAttributeRaw(attribute->name, attribute->value);
    }
    return element;
}

// One node without its children; null for kinds that have no place in the tree.
std::unique_ptr<Node> makeNode(Document& document, const GumboNode& source) {
    switch (source.type) {
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
        return makeElement(document, source.v.element);
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA:
        return std::make_unique<Text>(document, source.v.text.text);
    case GUMBO_NODE_COMMENT:
        return std::make_unique<Comment>(document, source.v.text.text);
    case GUMBO_NODE_DOCUMENT:
        break;
    }
    return nullptr;
}

const GumboVector& childrenOf(const GumboNode& node) {
    return node.type == GUMBO_NODE_DOCUMENT ? node.v.document.children : node.v.element.children;
}

// Copies the children of source under target, depth first with an explicit stack so that deeply nested
// pages cannot exhaust the call stack.
void copyChildren(Document& document, const GumboNode& source, Node& target) {
    std::vector<std::pair<const GumboNode*, Node*>> pending{{&source, &target}};
    while (!pending.empty()) {
        auto [from, to] = pending.back();
        pending.pop_back();
        const GumboVector& children = childrenOf(*from);
        to->reserveChildrenRaw(children.length);
        for (unsigned i = 0; i < children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(children.data[i]);
            if (std::unique_ptr<Node> node = makeNode(document, *child)) {
                Node& added = to->appendChildRaw(std::move(node));
                if (child->type == GUMBO_NODE_ELEMENT || child->type == GUMBO_NODE_TEMPLATE)
                    pending.emplace_back(child, &added);
            }
        }
    }
}

GumboTag contextTag(const Element& context) {
    const GumboTag tag = gumbo_tag_enum(context.localName().c_str());
    // An element the parser has no rules for holds its content as BODY does.
    return tag == GUMBO_TAG_UNKNOWN ? GUMBO_TAG_BODY : tag;
}

GumboNamespaceEnum gumboNamespace(Namespace ns) {
    switch (ns) {
    case Namespace::Svg:
        return GUMBO_NAMESPACE_SVG;
    case Namespace::MathMl:
        return GUMBO_NAMESPACE_MATHML;
    case Namespace::Html:
        break;
    }
    return GUMBO_NAMESPACE_HTML;
}

} // namespace

std::unique_ptr<Document> parseDocument(std::string_view bytes) {
    auto document = std::make_unique<Document>();
    const GumboResult result(parserOptions(), utf8::fromPageBytes(bytes));
    const GumboDocument& source = result.output().document->v.document;
    if (source.has_doctype)
        document->appendChildRaw(std::make_unique<DocumentType>(
            *document, source.name, source.public_identifier, source.system_identifier));
    copyChildren(*document, *result.output().document, *document);
    return document;
}

std::vector<std::unique_ptr<Node>> parseFragment(Document& document, std::string_view html,
                                                 const Element& context) {
    GumboOptions options = parserOptions();
    options.fragment_context = contextTag(context);
    options.fragment_namespace = gumboNamespace(context.elementNamespace());
    const GumboResult result(options, utf8::fromPageBytes(html));
    // The fragment's nodes are the children of the parser's root element.
    Element holder(document, "html");
    copyChildren(document, *result.output().root, holder);
    return holder.takeChildrenRaw();
}

} // namespace pls::page
