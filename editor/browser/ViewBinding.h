#pragma once

#include "BoundaryPoint.h"
#include "DocumentObserver.h"
#include "LayoutOracle.h"
#include "PageBridge.h"

#include <QJsonArray>
#include <QObject>
#include <functional>
#include <map>

class PageView;

namespace pls::page {
class Document;
}

// Keeps the browser view equal to the program's document: the page is shown from the document's
// serialization, and every change of the document afterwards reaches the view as the same change, in order.
// It also translates between the view's (node path, UTF-16 offset) positions and the document's boundary
// points, and answers the layout questions of the document from what the view reported.
class ViewBinding : public QObject, public pls::page::DocumentObserver, public pls::page::LayoutOracle {
    Q_OBJECT

public:
    explicit ViewBinding(PageView& view);
    ~ViewBinding() override;

    // Shows the document as the page file `path` and follows its changes from now on. Whoever owns a document
    // takes the binding off it (setObserver(nullptr)) before either goes.
    void Show(pls::page::Document& document, const QString& path);
    // True from the moment the view shows the document and reports its input.
    bool Ready() const { return ready_; }
    // Sends the changes made so far to the view. Changes are also sent by themselves at the next event-loop
    // turn.
    void Flush();
    // Shows the document's selection in the view.
    void ShowSelection();
    // Measures where the caret at a point is drawn; the answer comes later, once the view has caught up.
    void MeasureCaret(const pls::page::BoundaryPoint& point, std::function<void(std::optional<QRect>)> done);

    std::optional<pls::page::BoundaryPoint> ToModel(const ViewPoint& point) const;
    ViewPoint ToView(const pls::page::BoundaryPoint& point) const;

    // Remembers the caret position that the view reported for a place, so that moving a range to that place
    // needs no further question to the view.
    void NoteReportedPoint(const QPoint& position, const ViewPoint& caret, const std::optional<QRect>& box);

    // DocumentObserver
    void nodesInserted(pls::page::Node& parent, std::size_t index, std::size_t count) override;
    void nodeRemoved(pls::page::Node& parent, std::size_t index) override;
    void textChanged(pls::page::CharacterData& node) override;
    void attributeChanged(pls::page::Element& element, const std::string& name) override;

    // LayoutOracle
    std::optional<pls::page::BoundaryPoint> pointAt(int x, int y) const override;
    std::optional<pls::page::LayoutOffset> caretOffset(const pls::page::BoundaryPoint& point) const override;

signals:
    // The view shows the document and listens.
    void ready();

private:
    void Queue(QJsonObject change);

    PageView& view_;
    pls::page::Document* document_ = nullptr;
    bool ready_ = false;
    bool flushScheduled_ = false;
    QJsonArray pending_;
    std::map<int, std::function<void(std::optional<QRect>)>> measuring_;
    int nextMeasure_ = 1;

    struct Reported {
        QPoint position;
        ViewPoint caret;
        std::optional<QRect> box;
    };
    std::optional<Reported> reported_;
};
