#include "PageBridge.h"

namespace {

QList<int> ToPath(const QVariantList& list) {
    QList<int> path;
    path.reserve(list.size());
    for (const QVariant& index : list)
        path << index.toInt();
    return path;
}

PointerReport ToReport(const QVariantMap& event) {
    PointerReport report;
    report.target = ToPath(event.value("target").toList());
    report.tag = event.value("tag").toString();
    report.position = QPoint(event.value("x").toInt(), event.value("y").toInt());
    report.button = event.value("button").toInt();
    const QVariantMap point = event.value("point").toMap();
    report.caret = PageBridge::ToViewPoint(point);
    report.caretBox = PageBridge::ToCaretBox(point.value("rect"));
    return report;
}

} // namespace

std::optional<QRect> PageBridge::ToCaretBox(const QVariant& rect) {
    const QVariantMap box = rect.toMap();
    if (box.isEmpty() || box.value("x").toInt() < 0)
        return std::nullopt;
    return QRect(box.value("x").toInt(), box.value("y").toInt(), 1, box.value("height").toInt());
}

ViewPoint PageBridge::ToViewPoint(const QVariantMap& point) {
    if (point.isEmpty())
        return {};
    return {ToPath(point.value("path").toList()), point.value("offset").toInt()};
}

void PageBridge::ready() {
    emit pageReady();
}

void PageBridge::mouseDown(const QVariantMap& event) {
    emit mousePressed(ToReport(event));
}

void PageBridge::mouseUp(const QVariantMap& event) {
    emit mouseReleased(ToReport(event));
}

void PageBridge::click(const QVariantMap& event) {
    emit clicked(ToReport(event));
}

void PageBridge::doubleClick(const QVariantMap& event) {
    emit doubleClicked(ToReport(event));
}

void PageBridge::hover(const QString& tag) {
    emit hovered(tag);
}

void PageBridge::keyUp(int keyCode, bool shift) {
    emit keyReleased(keyCode, shift);
}

void PageBridge::selectionChanged(const QVariantList& anchorPath, int anchorOffset,
                                  const QVariantList& focusPath, int focusOffset) {
    emit selectionReported({ToPath(anchorPath), anchorOffset}, {ToPath(focusPath), focusOffset});
}

void PageBridge::caretRect(int requestId, const QVariantMap& rect) {
    emit caretRectAnswered(requestId, ToCaretBox(rect));
}
