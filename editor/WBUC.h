#pragma once

#include "ElementRef.h"
#include "PageSurface.h"

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class PageView;
class SettingsStore;
class ViewBinding;
struct PointerReport;

namespace pls::page {
class Document;
class Element;
class TextRange;
} // namespace pls::page

// The edit surface: shows the current page in the browser view and builds editing on top of it. The page is
// the program's own document; clicks set the current element and an empty text range at the clicked point,
// double-clicks select whole elements, and every change of the document shows in the view. Positions in the
// events are pixels relative to the view.
class WBUC : public QWidget, public PageSurface {
    Q_OBJECT

public:
    WBUC(SettingsStore& settings, QWidget* parent = nullptr);
    ~WBUC() override;

    // PageSurface
    void Navo(const QString& path, ApplyDefaults applyDefaults) override;
    QByteArray Source() const override;

    // "1" to "6" and the CSS sizes "xx-small" to "x-large", each way; anything else gives "2".
    static QString MapFontSize(const QString& size);

    bool DocLoaded() const { return document_ && docLoaded_; }
    pls::page::Document* WBDocument() const { return DocLoaded() ? document_.get() : nullptr; }
    QString Location() const { return location_; }

    QString Title() const;
    void SetTitle(const QString& title);
    QString BGColor() const { return bgColor_; }
    void SetBGColor(const QString& color);
    QString BackPic() const;
    void SetBackPic(const QString& picture);
    QString BodyFontName() const { return bodyFontName_; }
    void SetBodyFontName(const QString& face);
    QString BodyFontSize() const { return bodyFontSize_; }
    void SetBodyFontSize(const QString& size);
    QString BodyFontColor() const { return bodyFontColor_; }
    void SetBodyFontColor(const QString& color);
    QString LinkColor() const { return linkColor_; }
    void SetLinkColor(const QString& color);

    pls::page::Element* CurrentElement() const { return currentElement_.get(); }
    // Writing an element stores it and takes its tag; writing null is ignored.
    void SetCurrentElement(pls::page::Element* element);
    QString CurrentElementTag() const { return currentElementTag_; }
    QString CurrentSelElementTag() const;
    bool HasCurrentElement() const { return CurrentElement() != nullptr; }
    pls::page::TextRange* CurrentTextRange() const { return currentTextRange_.get(); }
    bool HasCurrentTextRange() const { return currentTextRange_ != nullptr; }
    pls::page::Element* SelectedElement() const { return selectedElement_.get(); }

    QString TextClip() const { return textClip_; }
    QString TagClip() const { return tagClip_; }
    bool HasTextClip() const { return !textClip_.isEmpty(); }
    bool HasTagClip() const { return !tagClip_.isEmpty(); }

    // There is no hook on the browser's window on this platform; the setting is kept and right-clicks are
    // reported either way.
    void SetCompat4(bool on) { compat4_ = on; }
    bool Compat4() const { return compat4_; }
    void UnHook() {}

    PageView& View() const { return *view_; }
    ViewBinding& Binding() const { return *binding_; }

signals:
    void Click(const QString& tag, int x, int y, int left, int top);
    void RightClick();
    void DoubleClick(const QString& tag);
    void KeyPress(const QString& text, int left, int top);
    void DocComplete();
    void ElementHover(const QString& tag);
    // A key went up in the page; Shift as it was when the key went down.
    void KeyReleased(int keyCode, bool shift);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitSurface(SettingsStore& settings);
    void CompleteDocument();
    void ApplyPageDefaults();
    void TakePageDefaults();
    void ClearSelectionState();
    void SelectElementText(pls::page::Element& element);
    std::unique_ptr<pls::page::TextRange> RangeAtPoint(const PointerReport& report) const;
    pls::page::Element* SourceElement(const PointerReport& report) const;
    void OnMousePressed(const PointerReport& report);
    void OnMouseReleased(const PointerReport& report);
    void OnClicked(const PointerReport& report);
    void OnDoubleClicked(const PointerReport& report);

    PageView* view_;
    std::unique_ptr<ViewBinding> binding_;
    std::unique_ptr<pls::page::Document> document_;
    bool docLoaded_ = false;
    bool applyDefaultsOnLoad_ = true;
    bool compat4_ = false;
    QString location_;
    QString bodyFontName_;
    QString bodyFontSize_;
    QString bodyFontColor_;
    QString linkColor_;
    QString bgColor_;
    QString textClip_;
    QString tagClip_;
    QString currentElementTag_;
    pls::page::ElementRef currentElement_;
    pls::page::ElementRef selectedElement_;
    std::unique_ptr<pls::page::TextRange> currentTextRange_;
};
