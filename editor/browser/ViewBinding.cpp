#include "ViewBinding.h"

#include "CharacterData.h"
#include "Document.h"
#include "Element.h"
#include "NodePath.h"
#include "PageView.h"
#include "QtText.h"
#include "Utf8.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

using namespace pls::page;

namespace {

QJsonArray PathJson(const Node& node) {
    QJsonArray path;
    for (std::size_t index : pathOf(node))
        path.append(qint64(index));
    return path;
}

// A node with its subtree, as the view's script builds it.
QJsonObject NodeJson(const Node& node) {
    QJsonObject shape;
    switch (node.type()) {
    case NodeType::Text:
        shape["text"] = ToQString(node.asCharacterData()->data());
        break;
    case NodeType::Comment:
        shape["comment"] = ToQString(node.asCharacterData()->data());
        break;
    case NodeType::Element: {
        const Element& element = *node.asElement();
        shape["tag"] = ToQString(element.localName());
        QJsonArray attributes;
        for (const Attribute& attribute : element.attributes())
            attributes.append(QJsonArray{ToQString(attribute.name), ToQString(attribute.value)});
        shape["attributes"] = attributes;
        QJsonArray children;
        for (std::size_t i = 0; i < node.childCount(); ++i)
            children.append(NodeJson(*node.child(i)));
        shape["children"] = children;
        break;
    }
    case NodeType::Document:
    case NodeType::DocumentType:
        shape["comment"] = QString();
        break;
    }
    return shape;
}

} // namespace

ViewBinding::ViewBinding(PageView& view) : view_(view) {
    connect(&view_.Bridge(), &PageBridge::pageReady, this, [this] {
        ready_ = true;
        Flush();
        emit ready();
    });
    connect(&view_.Bridge(), &PageBridge::caretRectAnswered, this,
            [this](int id, const std::optional<QRect>& rect) {
                const auto it = measuring_.find(id);
                if (it == measuring_.end())
                    return;
                auto done = std::move(it->second);
                measuring_.erase(it);
                done(rect);
            });
}

ViewBinding::~ViewBinding() = default;

void ViewBinding::Show(Document& document, const QString& path) {
    document_ = &document;
    document_->setObserver(this);
    ready_ = false;
    pending_ = {};
    reported_.reset();
    measuring_.clear();
    view_.ShowPage(path, QByteArray::fromStdString(document.serialize()));
}

void ViewBinding::Queue(QJsonObject change) {
    pending_.append(change);
    if (flushScheduled_)
        return;
    flushScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        flushScheduled_ = false;
        Flush();
    });
}

void ViewBinding::Flush() {
    if (!ready_ || pending_.isEmpty())
        return;
    view_.ApplyChanges(QString::fromUtf8(QJsonDocument(pending_).toJson(QJsonDocument::Compact)));
    pending_ = {};
}

void ViewBinding::ShowSelection() {
    if (!document_ || !ready_)
        return;
    Flush();
    if (!document_->selection().hasRange()) {
        view_.Select({}, {});
        return;
    }
    const TextRange range = document_->selection().createRange();
    view_.Select(ToView(range.start()), ToView(range.end()));
}

void ViewBinding::MeasureCaret(const BoundaryPoint& point, std::function<void(std::optional<QRect>)> done) {
    if (!ready_) {
        done(std::nullopt);
        return;
    }
    // The question travels with the changes before it, so the view answers in one trip.
    const int id = nextMeasure_++;
    const ViewPoint at = ToView(point);
    QJsonArray path;
    for (int index : at.path)
        path.append(index);
    measuring_[id] = std::move(done);
    pending_.append(QJsonObject{{"op", "caret"}, {"id", id}, {"path", path}, {"offset", at.offset}});
    Flush();
}

std::optional<BoundaryPoint> ViewBinding::ToModel(const ViewPoint& point) const {
    if (!document_ || point.offset < 0)
        return std::nullopt;
    NodePath path(point.path.begin(), point.path.end());
    Node* node = nodeAtPath(*document_, path);
    if (!node)
        return std::nullopt;
    if (const CharacterData* text = node->asCharacterData()) {
        const std::size_t offset = utf8::byteOffsetFromUtf16(text->data(), std::size_t(point.offset));
        return BoundaryPoint{node, std::min(offset, text->data().size())};
    }
    return BoundaryPoint{node, std::min(std::size_t(point.offset), node->childCount())};
}

ViewPoint ViewBinding::ToView(const BoundaryPoint& point) const {
    if (!point.node)
        return {};
    ViewPoint view;
    for (std::size_t index : pathOf(*point.node))
        view.path.append(int(index));
    const CharacterData* text = point.node->asCharacterData();
    view.offset = int(text ? utf8::utf16FromByteOffset(text->data(), point.offset) : point.offset);
    return view;
}

void ViewBinding::NoteReportedPoint(const QPoint& position, const ViewPoint& caret,
                                    const std::optional<QRect>& box) {
    reported_ = Reported{position, caret, box};
}

void ViewBinding::nodesInserted(Node& parent, std::size_t index, std::size_t count) {
    QJsonArray nodes;
    for (std::size_t i = index; i < index + count; ++i)
        nodes.append(NodeJson(*parent.child(i)));
    Queue({{"op", "insert"}, {"path", PathJson(parent)}, {"index", qint64(index)}, {"nodes", nodes}});
}

void ViewBinding::nodeRemoved(Node& parent, std::size_t index) {
    Queue({{"op", "remove"}, {"path", PathJson(parent)}, {"index", qint64(index)}});
}

void ViewBinding::textChanged(CharacterData& node) {
    Queue({{"op", "text"}, {"path", PathJson(node)}, {"data", ToQString(node.data())}});
}

void ViewBinding::attributeChanged(Element& element, const std::string& name) {
    const std::optional<std::string> value = element.attribute(name);
    Queue({{"op", "attribute"},
           {"path", PathJson(element)},
           {"name", ToQString(name)},
           {"value", value ? QJsonValue(ToQString(*value)) : QJsonValue(QJsonValue::Null)}});
}

std::optional<BoundaryPoint> ViewBinding::pointAt(int x, int y) const {
    if (!reported_ || reported_->position != QPoint(x, y))
        return std::nullopt;
    return ToModel(reported_->caret);
}

std::optional<LayoutOffset> ViewBinding::caretOffset(const BoundaryPoint& point) const {
    if (!reported_ || !reported_->box || ToModel(reported_->caret) != point)
        return std::nullopt;
    return LayoutOffset{reported_->box->x(), reported_->box->y()};
}
