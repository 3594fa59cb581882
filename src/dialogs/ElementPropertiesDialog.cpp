#include "dialogs/ElementPropertiesDialog.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include "dialogs/AsciiPage.h"
#include "dialogs/BarPage.h"
#include "dialogs/DynamicTextPage.h"
#include "dialogs/FunckeyPage.h"
#include "dialogs/LampPage.h"
#include "dialogs/CommonAttributePage.h"
#include "dialogs/ElementPropertiesCommand.h"
#include "dialogs/DialogStrings.h"
#include "dialogs/ElementPreview.h"
#include "dialogs/EventListPage.h"
#include "dialogs/PicturePage.h"
#include "dialogs/QtText.h"
#include "dialogs/RegisterPage.h"
#include "dialogs/StaticTextPage.h"
#include "dialogs/TrendPage.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CEventListGE.h"
#include "elements/CPictureGE.h"
#include "elements/CTrendGE.h"
#include "elements/ElementKinds.h"
#include "elements/GraphKindStrings.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "project/CMirloDoc.h"
#include "project/DesignerSession.h"

namespace balsar::dialogs {

namespace {

constexpr int32_t kStaticTextKind = 2;
constexpr int32_t kRegisterKind = 4;

} // namespace

bool ElementPropertiesDialog::HasPage(int32_t kind) {
    return kind == kStaticTextKind || kind == kRegisterKind || kind == KIND_BAR || kind == KIND_TREND ||
           kind == KIND_PICTURE || kind == KIND_ASCII || kind == KIND_EVENT_LIST || kind == KIND_LED ||
           kind == KIND_FUNCKEY || kind == KIND_DYNAMIC_TEXT;
}

ElementPropertiesDialog::ElementPropertiesDialog(const CGraphElement& element, const PageContext& pageContext,
                                                 QWidget* parent)
    : QDialog(parent), m_copy(element.Clone()) {
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    if (auto* text = dynamic_cast<CStaticText*>(m_copy.get())) {
        setWindowTitle(Q(texts::kStaticTextCaption));
        m_kindPage = new StaticTextPage(*text, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q(texts::kStaticTextCaption));
    } else if (auto* reg = dynamic_cast<CRegisterGE*>(m_copy.get())) {
        setWindowTitle(Q(texts::kRegisterCaption));
        m_kindPage = new RegisterPage(*reg, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q(texts::kRegisterPage));
    } else if (auto* bar = dynamic_cast<CBarGE*>(m_copy.get())) {
        m_kindPage = new BarPage(*bar, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q(strings::kBarPageTitle));
    } else if (auto* trend = dynamic_cast<CTrendGE*>(m_copy.get())) {
        m_kindPage = new TrendPage(*trend, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q(strings::kTrendPageTitle));
    } else if (auto* picture = dynamic_cast<CPictureGE*>(m_copy.get())) {
        m_kindPage = new PicturePage(*picture, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q(strings::kPicturePageTitle));
    } else if (auto* ascii = dynamic_cast<CAsciiGE*>(m_copy.get())) {
        m_kindPage = new AsciiPage(*ascii, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q("ASCII字串"));
    } else if (auto* list = dynamic_cast<CEventListGE*>(m_copy.get())) {
        m_kindPage = new EventListPage(*list, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, Q("事件显示元件"));
    } else if (auto* lamp = dynamic_cast<CLedGE*>(m_copy.get())) {
        setWindowTitle(LampPage::Caption());
        m_kindPage = new LampPage(*lamp, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, LampPage::Caption());
    } else if (auto* key = dynamic_cast<CFunckeyGE*>(m_copy.get())) {
        setWindowTitle(FunckeyPage::Caption());
        m_kindPage = new FunckeyPage(*key, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, FunckeyPage::Caption());
    } else if (auto* dynamicText = dynamic_cast<CDynamicText*>(m_copy.get())) {
        setWindowTitle(DynamicTextPage::Caption());
        m_kindPage = new DynamicTextPage(*dynamicText, pageContext, m_tabs);
        m_tabs->addTab(m_kindPage, DynamicTextPage::Caption());
    }
    if (m_kindPage != nullptr && windowTitle().isEmpty()) {
        setWindowTitle(m_tabs->tabText(0));
    }
    if (m_copy != nullptr) {
        m_commonPage = new CommonAttributePage(*m_copy, pageContext, m_tabs);
        m_tabs->addTab(m_commonPage, Q(texts::kCommonPage));
        m_preview = new ElementPreview(*m_copy, pageContext.session.Fonts(), pageContext.screenWidth,
                                       pageContext.screenHeight, this);
        layout->addWidget(m_preview);
    }
    layout->addWidget(m_tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // A change on one page shows on the others and in the sample.
    for (ElementPage* page : {m_kindPage, static_cast<ElementPage*>(m_commonPage)}) {
        if (page == nullptr) {
            continue;
        }
        connect(page, &ElementPage::changed, this, [this, page] {
            for (ElementPage* other : {m_kindPage, static_cast<ElementPage*>(m_commonPage)}) {
                if (other != nullptr && other != page) {
                    other->Load();
                }
            }
            if (m_preview != nullptr) {
                m_preview->update();
            }
        });
    }
}

ElementPropertiesDialog::~ElementPropertiesDialog() = default;

void ElementPropertiesDialog::accept() {
    for (ElementPage* page : {m_kindPage, static_cast<ElementPage*>(m_commonPage)}) {
        if (page != nullptr && !page->Commit()) {
            return;
        }
    }
    QDialog::accept();
}

std::unique_ptr<CGraphElement> EditElementProperties(QWidget* parent, const CGraphElement& element, CMirloDoc& doc,
                                                     DesignerSession& session) {
    if (!ElementPropertiesDialog::HasPage(element.GetKind())) {
        return nullptr;
    }
    const PageContext pageContext{session, doc.Project(), doc.PanelWidth(), doc.PanelHeight(),
                                  doc.Project() != nullptr ? &doc.Project()->bitmapLibrary : nullptr};
    ElementPropertiesDialog dialog(element, pageContext, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return dialog.TakeResult();
}

bool EditElementPropertiesUndoable(QWidget* parent, CMirloDoc& doc, DesignerSession& session, QUndoStack& undo,
                                   uint16_t screen, int index, std::function<void(CGraphElement&)> changed) {
    CHMIFrame* frame = doc.FindScreen(screen);
    if (frame == nullptr || index < 0 || static_cast<size_t>(index) >= frame->GetElements().size()) {
        return false;
    }
    const CGraphElement& element = *frame->GetElements()[static_cast<size_t>(index)];
    std::unique_ptr<CGraphElement> edited = EditElementProperties(parent, element, doc, session);
    if (edited == nullptr) {
        return false;
    }
    undo.push(new ElementPropertiesCommand(doc, screen, index, element, std::move(edited), std::move(changed)));
    return true;
}

} // namespace balsar::dialogs
