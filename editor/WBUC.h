#pragma once

#include "EditState.h"
#include "MouseSelection.h"
#include "PageSurface.h"

#include <QString>
#include <QStringList>
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

    pls::page::Element* CurrentElement() const { return edit_.currentElement.get(); }
    // Writing an element stores it and takes its tag; writing null is ignored.
    void SetCurrentElement(pls::page::Element* element);
    QString CurrentElementTag() const { return edit_.currentElementTag; }
    QString CurrentSelElementTag() const;
    bool HasCurrentElement() const { return CurrentElement() != nullptr; }
    pls::page::TextRange* CurrentTextRange() const { return edit_.currentTextRange.get(); }
    bool HasCurrentTextRange() const { return edit_.currentTextRange != nullptr; }
    pls::page::Element* SelectedElement() const { return edit_.selectedElement.get(); }

    QString TextClip() const;
    QString TagClip() const;
    bool HasTextClip() const { return !edit_.textClip.empty(); }
    bool HasTagClip() const { return !edit_.tagClip.empty(); }

    // Formatting of the text selection; nothing happens while a whole element is selected.
    void SetSelColor(const QString& color);
    void SetSelBackColor(const QString& color);
    void SetSelFontFace(const QString& face);
    void SetSelFontSize(const QString& size);
    void ToggleBold();
    // Makes the selected text a link to the address.
    void CreateLinkSel(const QString& url);
    // Colour, face, size and background colour at the caret, and "*" when the four are valid.
    QStringList CurFontProps() const;
    QString SelText() const;
    void SetSelText(const QString& html);

    // 0 nothing, 1 a text selection, 2 a selected element.
    int IfSelection() const;
    void Cut();
    void Copy();
    // 0 the text clipboard, 1 the element clipboard, 2 the system clipboard's text.
    void Paste(int mode);
    void DeleteElement(pls::page::Element* element);
    void ReplaceElemHTML(pls::page::Element* element, const QString& html);
    void AddNewElement(const QString& html);
    void MoveElementOneSpace(int mode);
    // 0 moved, 1 nothing selected, 2 not a text block or picture, 3 nothing to swap with within 10 elements.
    int MoveElementOneElement(int direction);

    EditState& Edit() { return edit_; }

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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void InitSurface(SettingsStore& settings);
    void CompleteDocument();
    void ApplyPageDefaults();
    void TakePageDefaults();
    void ClearSelectionState();
    void OnMousePressed(const PointerReport& report);
    void OnMouseReleased(const PointerReport& report);
    void OnClicked(const PointerReport& report);
    void OnDoubleClicked(const PointerReport& report);
    void OnKeyReleased(int keyCode, bool shift);
    // Runs an editing operation and shows its result, selection included, in the view.
    template <typename Operation> auto Edited(Operation operation);

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
    EditState edit_;
    MouseSelection mouse_;
};
