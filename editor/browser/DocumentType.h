#pragma once

#include "Node.h"

#include <string>

namespace pls::page {

// The page's <!DOCTYPE>; kept as a node because the browser keeps it as the document's first child, and node
// paths count it.
class DocumentType final : public Node {
public:
    DocumentType(Document& document, std::string name, std::string publicId, std::string systemId)
        : Node(NodeType::DocumentType, document), name_(std::move(name)), publicId_(std::move(publicId)),
          systemId_(std::move(systemId)) {}

    const std::string& name() const { return name_; }
    const std::string& publicId() const { return publicId_; }
    const std::string& systemId() const { return systemId_; }

    std::unique_ptr<Node> cloneShallow() const override {
        return std::make_unique<DocumentType>(document(), name_, publicId_, systemId_);
    }

private:
    std::string name_;
    std::string publicId_;
    std::string systemId_;
};

} // namespace pls::page
