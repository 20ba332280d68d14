#include "WBUC.h"

#include "Document.h"
#include "Element.h"
#include "ElementOps.h"
#include "FormatCommand.h"
#include "ModFileOps.h"
#include "NodePath.h"
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
    : QWidget(parent), view_(new PageView(this)), binding_(std::make_unique<ViewBinding>(*view_)) {
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

void WBUC::SelectElementText(Element& element) {
    TextRange range = TextRange::bodyRange(*document_);
    range.moveToElementText(element);
    range.select();
    binding_->ShowSelection();
}

Element* WBUC::SourceElement(const PointerReport& report) const {
    if (!document_)
        return nullptr;
    Node* node = nodeAtPath(*document_, NodePath(report.target.begin(), report.target.end()));
    return node ? node->asElement() : nullptr;
}

std::unique_ptr<TextRange> WBUC::RangeAtPoint(const PointerReport& report) const {
    binding_->NoteReportedPoint(report.position, report.caret, report.caretBox);
    auto range = std::make_unique<TextRange>(TextRange::bodyRange(*document_));
    if (range->moveToPoint(*binding_, report.position.x(), report.position.y()) != DomResult::Ok)
        return nullptr;
    return range;
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
    const int x = report.position.x();
    const int y = report.position.y();
    Element* source = SourceElement(report);
    const QString tag = report.tag.toUpper();
    edit_.currentElementTag = tag;
    auto clickInText = [&](Element* element, const QString& shownTag) {
        edit_.currentTextRange = RangeAtPoint(report);
        edit_.currentElement = pls::page::ElementRef(element);
        // The click put the browser's caret there too; the document selection follows it at once.
        if (edit_.currentTextRange)
            document_->selection().setRange(*edit_.currentTextRange);
        const std::optional<QRect> caret = edit_.currentTextRange ? report.caretBox : std::nullopt;
        emit Click(shownTag, x, y, caret ? caret->x() : -1, caret ? caret->y() : -1);
    };
    if (tag == "FONT" || tag == "B" || tag == "A" || tag == "STRONG") {
        clickInText(source, tag);
    } else if (tag == "IMG" || tag == "TR" || tag == "TABLE") {
        edit_.currentTextRange.reset();
        edit_.currentElement = pls::page::ElementRef(source);
        emit Click(tag, x, y, -1, -1);
    } else if (tag == "TD") {
        Element* font = nullptr;
        for (Element* child : source ? source->children() : std::vector<Element*>{}) {
            if (child->hasTag("FONT")) {
                font = child;
                break;
            }
        }
        if (!font) {
            emit Click("TD", x, y, -1, -1);
            return;
        }
        edit_.currentElementTag = "FONT";
        clickInText(font, "FONT");
    } else if (tag == "BODY") {
        clickInText(nullptr, "BODY");
    } else {
        emit Click("", x, y, -1, -1);
    }
}

void WBUC::OnDoubleClicked(const PointerReport& report) {
    if (!binding_->Ready() || !DocLoaded())
        return;
    Element* source = SourceElement(report);
    const QString tag = report.tag.toUpper();
    edit_.currentElementTag = tag;
    auto selectWhole = [this](Element& element) {
        SelectElementText(element);
        edit_.currentElement = pls::page::ElementRef(&element);
        edit_.selectedElement = pls::page::ElementRef(&element);
    };
    if ((tag == "IMG" || tag == "FONT" || tag == "TABLE") && source) {
        selectWhole(*source);
        edit_.currentTextRange.reset();
    } else if (tag == "B" || tag == "STRONG") {
        Element* parent = source ? source->parentElement() : nullptr;
        if (parent && parent->hasTag("FONT")) {
            selectWhole(*parent);
            edit_.currentElementTag = "FONT";
        }
    } else if (tag == "BODY") {
        auto range = std::make_unique<TextRange>(document_->selection().createRange());
        range->move(MoveUnit::TextEdit, 1);
        edit_.currentTextRange = std::move(range);
        edit_.currentElement.reset();
        edit_.selectedElement.reset();
    } else if (tag == "TR" || tag == "TD") {
        Element* level = source;
        for (int i = 0; i < 4 && level; ++i) {
            level = level->parentElement();
            if (level && level->hasTag("TABLE")) {
                selectWhole(*level);
                edit_.currentElementTag = "TABLE";
                break;
            }
        }
        const Element* current = CurrentElement();
        if (!current || !current->hasTag("TABLE"))
            return;
    }
    emit DoubleClick(edit_.currentElementTag);
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
