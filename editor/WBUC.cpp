#include "WBUC.h"

#include "Document.h"
#include "Element.h"
#include "ElementOps.h"
#include "FormatCommand.h"
#include "ModFileOps.h"
#include "MouseSelection.h"
#include "PageBody.h"
#include "PageView.h"
#include "QtText.h"
#include "Selection.h"
#include "SelectionFormat.h"
#include "SettingsStore.h"
#include "TextEntry.h"
#include "TextRange.h"
#include "ViewBinding.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace pls::page;

namespace {

constexpr std::pair<const char*, const char*> kFontSizes[] = {
    {"1", "xx-small"}, {"2", "x-small"}, {"3", "small"}, {"4", "medium"}, {"5", "large"}, {"6", "x-large"}};

} // namespace

WBUC::WBUC(SettingsStore& settings, QWidget* parent)
    : QWidget(parent), view_(new PageView(this)), binding_(std::make_unique<ViewBinding>(*view_)),
      mouse_(edit_, *binding_) {
    setObjectName("jWB");
    InitSurface(settings);
    PageBridge& bridge = view_->Bridge();
    connect(binding_.get(), &ViewBinding::ready, this, [this] {
        if (DocLoaded())
            emit DocComplete();
    });
    connect(&bridge, &PageBridge::mousePressed, this, &WBUC::OnMousePressed);
    connect(&bridge, &PageBridge::mouseReleased, this, &WBUC::OnMouseReleased);
    connect(&bridge, &PageBridge::clicked, this, &WBUC::OnClicked);
    connect(&bridge, &PageBridge::doubleClicked, this, &WBUC::OnDoubleClicked);
    connect(&bridge, &PageBridge::hovered, this, [this](const QString& tag) {
        if (binding_->Ready())
            emit ElementHover(tag);
    });
    connect(&bridge, &PageBridge::keyReleased, this, &WBUC::OnKeyReleased);
    connect(&bridge, &PageBridge::selectionReported, this,
            [this](const ViewPoint& anchor, const ViewPoint& focus) {
                if (!binding_->Ready() || !document_)
                    return;
                const auto a = binding_->ToModel(anchor);
                const auto b = binding_->ToModel(focus);
                if (!a || !b) {
                    document_->selection().empty();
                    return;
                }
                TextRange range(*document_);
                const bool forward = compareBoundaryPoints(*a, *b) <= 0;
                if (range.setPoints(forward ? *a : *b, forward ? *b : *a) == DomResult::Ok)
                    document_->selection().setRange(range);
            });
}

WBUC::~WBUC() {
    ClearSelectionState();
    if (document_)
        document_->setObserver(nullptr);
}

void WBUC::InitSurface(SettingsStore& settings) {
    bodyFontColor_ = settings.read(SettingsStore::kSettings, "BCol", "#000000");
    bodyFontName_ = settings.read(SettingsStore::kSettings, "BFace", "Arial, Helvetica");
    bodyFontSize_ = settings.read(SettingsStore::kSettings, "BSz", "3");
    bgColor_ = "#FFFFFF";
    linkColor_ = "#0000FF";
    applyDefaultsOnLoad_ = true;
}

void WBUC::resizeEvent(QResizeEvent* event) {
    view_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

QString WBUC::MapFontSize(const QString& size) {
    for (const auto& [number, css] : kFontSizes) {
        if (size == number)
            return css;
        if (size == css)
            return number;
    }
    return "2";
}

void WBUC::Navo(const QString& path, ApplyDefaults applyDefaults) {
    UnHook();
    docLoaded_ = false;
    applyDefaultsOnLoad_ = applyDefaults == ApplyDefaults::Yes;
    ClearSelectionState();
    edit_.document = nullptr;
    location_ = path;
    const QByteArray page = ReadWholeFile(path).text;
    if (document_)
        document_->setObserver(nullptr);
    document_ = Document::parse(std::string_view(page.constData(), std::size_t(page.size())));
    CompleteDocument();
    binding_->Show(*document_, path);
}

void WBUC::CompleteDocument() {
    docLoaded_ = true;
    edit_.document = document_.get();
    if (applyDefaultsOnLoad_)
        ApplyPageDefaults();
    else
        TakePageDefaults();
}

void WBUC::ApplyPageDefaults() {
    PageBody body(*document_);
    body.setAttribute(BodyAttribute::TextColour, ToStdString(bodyFontColor_));
    body.setAttribute(BodyAttribute::LinkColour, ToStdString(linkColor_));
    body.setAttribute(BodyAttribute::ActiveLinkColour, ToStdString(linkColor_));
    body.setStyle(BodyStyle::FontSize, ToStdString(MapFontSize(bodyFontSize_)));
    body.setStyle(BodyStyle::FontFamily, ToStdString(bodyFontName_));
    document_->setBackgroundColor(ToStdString(bgColor_));
}

void WBUC::TakePageDefaults() {
    const PageBody body(*document_);
    SetBodyFontColor(ToQString(body.attribute(BodyAttribute::TextColour)));
    SetLinkColor(ToQString(body.attribute(BodyAttribute::LinkColour)));
    SetBodyFontName(ToQString(body.style(BodyStyle::FontFamily)));
    SetBodyFontSize(MapFontSize(ToQString(body.style(BodyStyle::FontSize))));
}

QByteArray WBUC::Source() const {
    return DocLoaded() ? QByteArray::fromStdString(document_->source()) : QByteArray();
}

QString WBUC::Title() const {
    return DocLoaded() ? ToQString(document_->title()) : QString();
}

void WBUC::SetTitle(const QString& title) {
    if (DocLoaded())
        document_->setTitle(ToStdString(title));
}

void WBUC::SetBGColor(const QString& color) {
    if (!DocLoaded())
        return;
    bgColor_ = color;
    document_->setBackgroundColor(ToStdString(color));
}

QString WBUC::BackPic() const {
    return DocLoaded() ? ToQString(PageBody(*document_).attribute(BodyAttribute::Background)) : QString();
}

void WBUC::SetBackPic(const QString& picture) {
    if (DocLoaded())
        PageBody(*document_).setAttribute(BodyAttribute::Background, ToStdString(picture));
}

void WBUC::SetBodyFontName(const QString& face) {
    if (!DocLoaded())
        return;
    bodyFontName_ = face;
    PageBody(*document_).setStyle(BodyStyle::FontFamily, ToStdString(face));
}

void WBUC::SetBodyFontSize(const QString& size) {
    if (!DocLoaded())
        return;
    bodyFontSize_ = size;
    PageBody(*document_).setStyle(BodyStyle::FontSize, ToStdString(MapFontSize(size)));
}

void WBUC::SetBodyFontColor(const QString& color) {
    bodyFontColor_ = color;
    if (DocLoaded())
        PageBody(*document_).setAttribute(BodyAttribute::TextColour, ToStdString(color));
}

void WBUC::SetLinkColor(const QString& color) {
    if (!DocLoaded())
        return;
    linkColor_ = color;
    PageBody body(*document_);
    body.setAttribute(BodyAttribute::LinkColour, ToStdString(color));
    body.setAttribute(BodyAttribute::ActiveLinkColour, ToStdString(color));
}

void WBUC::SetCurrentElement(Element* element) {
    if (!element)
        return;
    edit_.currentElement = pls::page::ElementRef(element);
    edit_.currentElementTag = ToQString(element->tagName()).toUpper();
}

QString WBUC::CurrentSelElementTag() const {
    const Element* selected = SelectedElement();
    return selected ? ToQString(selected->tagName()) : QString();
}

void WBUC::ClearSelectionState() {
    edit_.ClearSelectionState();
}

void WBUC::OnMousePressed(const PointerReport& report) {
    if (!binding_->Ready() || report.button != 0)
        return;
    ClearSelectionState();
}

void WBUC::OnMouseReleased(const PointerReport& report) {
    // Without a hook on the browser's window, the release is the one place that sees a right-click.
    if (binding_->Ready() && report.button == 2)
        emit RightClick();
}

void WBUC::OnClicked(const PointerReport& report) {
    if (!binding_->Ready() || !DocLoaded())
        return;
    const MouseSelection::Click click = mouse_.OnClick(report);
    emit Click(click.tag, report.position.x(), report.position.y(), click.left, click.top);
}

void WBUC::OnDoubleClicked(const PointerReport& report) {
    if (!binding_->Ready() || !DocLoaded())
        return;
    if (const std::optional<QString> tag = mouse_.OnDoubleClick(report))
        emit DoubleClick(*tag);
}

void WBUC::OnKeyReleased(int keyCode, bool shift) {
    if (!binding_->Ready() || !DocLoaded())
        return;
    const std::optional<std::string> typed = TypeKey(edit_, keyCode, shift);
    if (!typed) {
        emit KeyPress("", 0, 0);
        return;
    }
    const QString text = ToQString(*typed);
    binding_->MeasureCaret(edit_.currentTextRange->start(), [this, text](std::optional<QRect> caret) {
        emit KeyPress(text, caret ? caret->x() : -1, caret ? caret->y() : -1);
    });
}

template <typename Operation> auto WBUC::Edited(Operation operation) {
    struct ShowAfter {
        ViewBinding& binding;
        ~ShowAfter() { binding.ShowSelection(); }
    } showAfter{*binding_};
    return operation();
}

QString WBUC::TextClip() const {
    return ToQString(edit_.textClip);
}

QString WBUC::TagClip() const {
    return ToQString(edit_.tagClip);
}

void WBUC::SetSelColor(const QString& color) {
    Edited([&] { FormatSelection(edit_, FormatCommand::ForeColor, ToStdString(color)); });
}

void WBUC::SetSelBackColor(const QString& color) {
    Edited([&] { FormatSelection(edit_, FormatCommand::BackColor, ToStdString(color)); });
}

void WBUC::SetSelFontFace(const QString& face) {
    Edited([&] { FormatSelection(edit_, FormatCommand::FontName, ToStdString(face)); });
}

void WBUC::SetSelFontSize(const QString& size) {
    Edited([&] { FormatSelection(edit_, FormatCommand::FontSize, ToStdString(size)); });
}

void WBUC::ToggleBold() {
    Edited([&] { FormatSelection(edit_, FormatCommand::Bold, {}); });
}

void WBUC::CreateLinkSel(const QString& url) {
    if (!DocLoaded() || document_->selection().type() != "Text")
        return;
    Edited([&] {
        TextRange range = document_->selection().createRange();
        execCommand(range, FormatCommand::CreateLink, ToStdString(url));
    });
}

QStringList WBUC::CurFontProps() const {
    QStringList props;
    for (const std::string& prop : ::CurFontProps(edit_))
        props << ToQString(prop);
    return props;
}

QString WBUC::SelText() const {
    return ToQString(::SelText(edit_));
}

void WBUC::SetSelText(const QString& html) {
    Edited([&] { ::SetSelText(edit_, ToStdString(html)); });
}

int WBUC::IfSelection() const {
    return int(::IfSelection(edit_));
}

void WBUC::Cut() {
    Edited([&] { ::Cut(edit_); });
}

void WBUC::Copy() {
    ::Copy(edit_);
}

void WBUC::Paste(int mode) {
    const QString clipboard =
        mode == int(PasteFrom::SystemClipboard) ? QGuiApplication::clipboard()->text() : QString();
    Edited([&] { ::Paste(edit_, mode, ToStdString(clipboard)); });
}

void WBUC::DeleteElement(Element* element) {
    Edited([&] { ::DeleteElement(edit_, element); });
}

void WBUC::ReplaceElemHTML(Element* element, const QString& html) {
    Edited([&] { ::ReplaceElemHTML(edit_, element, ToStdString(html)); });
}

void WBUC::AddNewElement(const QString& html) {
    ::AddNewElement(edit_, ToStdString(html));
}

void WBUC::MoveElementOneSpace(int mode) {
    ::MoveElementOneSpace(edit_, mode);
}

int WBUC::MoveElementOneElement(int direction) {
    return Edited([&] { return int(::MoveElementOneElement(edit_, direction)); });
}
