#pragma once
// The base of every element property page. A page edits the dialog's copy
// of the element; the designer applies the finished copy as one undo step.
#include <QWidget>

namespace balsar {
class CGraphElement;
class CMirloProject;
class CSingleColorBitmapLib;
class DesignerSession;
} // namespace balsar

namespace balsar::dialogs {

// What every page works with.
struct PageContext {
    DesignerSession& session;
    const CMirloProject* project;
    int screenWidth;
    int screenHeight;
    // Where a picture page puts a newly chosen bitmap (null: no choice).
    CSingleColorBitmapLib* bitmapLibrary = nullptr;
};

class ElementPage : public QWidget {
    Q_OBJECT
public:
    ElementPage(CGraphElement& element, const PageContext& pageContext, QWidget* parent = nullptr);
    ~ElementPage() override;

    // Shows the element's current state in the controls.
    virtual void Load() = 0;
    // The checks of OK; false keeps the dialog open.
    virtual bool Commit() { return true; }

signals:
    // The element changed; the dialog redraws its sample and the other pages.
    void changed();

protected:
    CGraphElement& m_element;
    PageContext m_page;
};

} // namespace balsar::dialogs
